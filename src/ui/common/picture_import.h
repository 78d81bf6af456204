#pragma once
// Pictures of the data folder (member photographs, association logos):
// fitting a picture into a box, importing it as the JPEG of a record, and
// deleting it.
#include <QBuffer>
#include <QSize>
#include <QString>

#include <memory>

// The size of a w × h picture fitted into maxW × maxH keeping its
// proportions; halves round to even. A picture without a positive width
// and height gives the whole box.
QSize FitPictureSize(int w, int h, int maxW, int maxH);

// The file of a picture target: AppDir() + target + ".jpg", the target
// given with '\' or '/' between folders ("AppData\fotografias\" + id).
QString PictureFile(const QString &target);

// Reads the picture `source` (.gif .png .jpg .jpeg .bmp, in any letter
// case), fits it into maxW × maxH with smooth scaling and stores it as the
// JPEG file of `target`, replacing an earlier one (creating its folder).
// Transparent parts become white. Returns the fitted picture as a BMP
// stream positioned at its start; nothing when the source does not exist,
// or, after a warning, when its extension is not accepted, it is not a
// readable picture, or the JPEG cannot be written (an earlier file then
// stays as it was).
std::unique_ptr<QBuffer> ImportPicture(const QString &target, const QString &source, int maxW, int maxH);

// Deletes the JPEG file of `target`; true when a file was deleted.
bool DeletePicture(const QString &target);

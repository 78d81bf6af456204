#pragma once
// The start-up that runs inside the splash window: start the private server
// and connect, let a user log in, open every table object.
#include <QPixmap>

class TDMDB;
class TfmSplash;

class StartUp {
public:
    StartUp(TDMDB &dm, TfmSplash &splash, const QPixmap &background = QPixmap());

    // Runs the connection sequence. True when a user is logged in and the
    // tables are open; the splash window is then closed with OK. On any
    // failure the user has been told why and the splash window is closed
    // without OK (the program ends without its main window).
    bool run();

    // Connection attempts before giving up (each restarts the server).
    static constexpr int Attempts = 3;

private:
    bool logIn();
    void openTables();
    void fail();

    TDMDB &dm_;
    TfmSplash &splash_;
    QPixmap background_;
};

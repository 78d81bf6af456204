#include "ui/common/report_window.h"

ReportWindow::~ReportWindow() = default;

// The start-up probes of the benchmark: the program's own window, or (built
// with BULBICALC_BARE_WINDOW) a bare Qt main window of the same size. Each
// starts as the program does, and when the window has painted for the first
// time prints two numbers and ends: the CLOCK_MONOTONIC time in nanoseconds
// and the peak resident memory (VmHWM) in KiB at that moment.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#ifndef BULBICALC_BARE_WINDOW
#include "ui/app/fonts.h"
#include "ui/app/main_window.h"
#endif

namespace {

long peakResidentKib()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Reports once the first paint of the window has been delivered: the report
// is queued, so it runs after the whole paint pass and its flush.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && (widget == window_ || window_->isAncestorOf(widget))) {
                seen_ = true;
                QTimer::singleShot(0, this, [] {
                    std::printf("%lld %ld\n", monotonicNs(), peakResidentKib());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
#ifdef BULBICALC_BARE_WINDOW
    QMainWindow window;
    window.setCentralWidget(new QWidget(&window));
    window.resize(1324, 661);
#else
    bulbicalc::ui::installApplicationFont();
    bulbicalc::ui::MainWindow window(QCoreApplication::applicationDirPath().toStdString());
#endif
    FirstPaint probe(&window);
    app.installEventFilter(&probe);
    window.show();
    return app.exec();
}

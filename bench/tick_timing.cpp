// How close the step timer comes to 50 ms: runs it for a while and prints the spread of the
// intervals it delivered. Usage: tick_timing [ticks]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;
    std::vector<double> intervals;
    intervals.reserve(static_cast<std::size_t>(ticks));
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(50);
    qint64 last = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        intervals.push_back(static_cast<double>(now - last) / 1e6);
        last = now;
        if (static_cast<int>(intervals.size()) == ticks) {
            app.quit();
        }
    });
    clock.start();
    timer.start();
    app.exec();
    std::sort(intervals.begin(), intervals.end());
    const double mean = std::accumulate(intervals.begin(), intervals.end(), 0.0) /
                        static_cast<double>(intervals.size());
    std::printf("%d ticks of 50 ms: mean %.3f ms, min %.3f, median %.3f, max %.3f, total %.1f ms "
                "(%.1f expected)\n",
                ticks, mean, intervals.front(), intervals[intervals.size() / 2], intervals.back(),
                static_cast<double>(last) / 1e6, 50.0 * ticks);
    return 0;
}

// Median time of one LanguageDetector::detect on sentences of about 100 characters.
//
// CLD2 allocates roughly 130 KB of scratch buffers per call. In a small fresh process glibc hands
// them back to the kernel after every call and faults them in again, which costs about 100 µs; once
// a large block has been freed (as a GUI process does with window backing stores), glibc raises its
// trim threshold and keeps them. Both cases are measured.
#include "ai/languagedetector.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

void measure(QTextStream &out, const char *setting)
{
    const QString texts[] = {
        QStringLiteral("Gestern sind wir mit dem Zug nach München gefahren und haben dort einen alten Freund besucht."),
        QStringLiteral("Could you please send me the updated report before Friday so that I can review the numbers?"),
        QStringLiteral("你能在星期五之前把更新後的報告發給我嗎？這樣我就可以檢查一下這些數字了。謝謝你的幫助。"),
    };
    constexpr int kRuns = 5000;
    for (const QString &text : texts) {
        std::vector<qint64> nanoseconds;
        nanoseconds.reserve(kRuns);
        int detected = 0;
        for (int i = 0; i < kRuns; ++i) {
            QElapsedTimer timer;
            timer.start();
            detected += LanguageDetector::detect(text).has_value();
            nanoseconds.push_back(timer.nsecsElapsed());
        }
        std::nth_element(nanoseconds.begin(), nanoseconds.begin() + kRuns / 2, nanoseconds.end());
        out << setting << ": detect, " << text.size() << " UTF-16 units: median "
            << nanoseconds[kRuns / 2] / 1000.0 << " µs (" << detected << "/" << kRuns << " detected)\n";
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    measure(out, "fresh heap");
    // A freed 8 MB block, like a window's backing store after a resize.
    void *volatile block = std::malloc(8 << 20);
    std::free(block);
    measure(out, "GUI-like heap");
    return 0;
}

// The symbol picker: the time from a click on a symbol button to the picker's first paint (with the
// icon cache cold, as on the first open in a session, and warm, as on later opens), and the time one
// keystroke in its search field takes over all symbols, until the list is painted again. Run inside a
// private X session, or with QT_QPA_PLATFORM=offscreen:
//   tests/integration/x11-session.sh build/bench/bench/bench_symbolpicker
#include "benchsummary.h"
#include "ui/symbolbutton.h"
#include "ui/symbolcatalog.h"
#include "ui/symbolgrid.h"
#include "ui/symbolicons.h"
#include "ui/symbolpicker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextStream>
#include <memory>
#include <vector>

namespace {
constexpr int coldRounds = 30;
constexpr int warmRounds = 100;

// Paints the grid itself when its first paint event comes, so that the time taken includes it.
class FirstPaint final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || painted)
            return false;
        static_cast<QWidget *>(watched)->removeEventFilter(this);
        QApplication::sendEvent(watched, event);
        painted = true;
        return true;
    }
};

// Milliseconds from the click to the end of the picker's first paint.
double openPicker(SymbolButton &button)
{
    QElapsedTimer timer;
    timer.start();
    button.click();
    SymbolPicker *picker = button.picker();
    FirstPaint probe;
    picker->grid()->installEventFilter(&probe);
    while (!probe.painted && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = timer.nsecsElapsed() / 1e6;
    picker->close();
    QApplication::processEvents();
    return ms;
}

void typeKey(QLineEdit &field, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &release);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(480, 120);
    window.show();
    QApplication::processEvents();

    std::vector<double> cold;
    for (int i = 0; i < coldRounds; ++i) {
        SymbolIcons icons;
        SymbolButton button(icons, QStringLiteral("keyboard"), &window);
        button.show();
        cold.push_back(openPicker(button));
    }
    SymbolIcons icons;
    SymbolButton button(icons, QStringLiteral("keyboard"), &window);
    button.show();
    openPicker(button);
    std::vector<double> warm;
    for (int i = 0; i < warmRounds; ++i)
        warm.push_back(openPicker(button));

    // Keystrokes as a user types them: words built up letter by letter, then taken back.
    SymbolPicker *picker = button.openPicker();
    QApplication::processEvents();
    QLineEdit &field = *picker->searchField();
    const QString words = QStringLiteral("arrow doc text star keyboard zebra");
    std::vector<double> searchOnly;
    std::vector<double> searchAndPaint;
    for (int round = 0; round < 5; ++round) {
        for (const QChar c : words) {
            QElapsedTimer timer;
            timer.start();
            typeKey(field, c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key(c.toUpper().unicode()), QString(c));
            searchOnly.push_back(timer.nsecsElapsed() / 1e6);
            picker->grid()->repaint();
            searchAndPaint.push_back(timer.nsecsElapsed() / 1e6);
        }
        while (!field.text().isEmpty()) {
            QElapsedTimer timer;
            timer.start();
            typeKey(field, Qt::Key_Backspace, QString());
            searchOnly.push_back(timer.nsecsElapsed() / 1e6);
            picker->grid()->repaint();
            searchAndPaint.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    qsizetype symbols = 0;
    for (const SymbolGroup &group : SymbolCatalog::groups())
        symbols += group.symbols.size();

    QTextStream out(stdout);
    out << symbols << " symbols in " << SymbolCatalog::groups().size() << " groups\n";
    out << "click to first paint, icons not cached yet: " << benchSummary(cold, 1) << "\n";
    out << "click to first paint, icons cached: " << benchSummary(warm, 1) << "\n";
    out << "one search keystroke (search and layout): " << benchSummary(searchOnly, 2) << "\n";
    out << "one search keystroke, list painted again: " << benchSummary(searchAndPaint, 2) << "\n";
    return 0;
}

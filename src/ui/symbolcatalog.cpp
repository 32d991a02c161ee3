#include "ui/symbolcatalog.h"

#include <QCoreApplication>

namespace {
struct GroupEntry {
    const char *title;
    const char *symbols; // separated by single spaces
};

// Twelve groups in the order the picker shows them; titles are translated when read.
constexpr GroupEntry catalogue[] = {
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Editing"),
     "pencil pencil.line square.and.pencil eraser scissors doc.on.doc doc.on.clipboard clipboard "
     "list.clipboard arrow.uturn.backward arrow.uturn.forward trash text.cursor character.cursor.ibeam "
     "highlighter paintbrush paintbrush.pointed magnifyingglass text.magnifyingglass "
     "plus.magnifyingglass minus.magnifyingglass link paperclip lasso checklist square.and.arrow.up "
     "square.and.arrow.down"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Text"),
     "textformat textformat.size textformat.abc textformat.characters bold italic underline "
     "strikethrough text.alignleft text.aligncenter text.alignright text.justify text.justify.leading "
     "list.bullet list.number list.dash text.quote quote.opening quote.closing increase.indent "
     "decrease.indent text.badge.plus character abc number at textformat.superscript "
     "textformat.subscript text.word.spacing paragraphsign"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Arrows"),
     "arrow.up arrow.down arrow.left arrow.right arrow.up.circle arrow.down.circle arrow.left.circle "
     "arrow.right.circle arrow.up.left arrow.up.right arrow.down.left arrow.down.right arrow.clockwise "
     "arrow.counterclockwise arrow.triangle.2.circlepath arrow.2.squarepath arrow.left.arrow.right "
     "arrow.up.arrow.down arrow.up.and.down.and.arrow.left.and.right arrow.up.left.and.arrow.down.right "
     "arrow.down.right.and.arrow.up.left arrow.turn.up.left arrow.turn.up.right arrow.turn.down.left "
     "arrow.turn.down.right arrow.forward arrow.backward chevron.up chevron.down chevron.left "
     "chevron.right chevron.left.2 chevron.right.2 arrowshape.left arrowshape.right "
     "arrowshape.turn.up.left arrowshape.turn.up.right return arrow.up.to.line arrow.down.to.line "
     "arrow.left.to.line arrow.right.to.line tray.and.arrow.up tray.and.arrow.down "
     "arrow.triangle.branch arrow.triangle.merge arrow.triangle.swap"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Windows and Apps"),
     "macwindow macwindow.on.rectangle rectangle.split.2x1 rectangle.split.3x1 rectangle.split.2x2 "
     "rectangle.lefthalf.filled rectangle.righthalf.filled rectangle.tophalf.filled "
     "rectangle.bottomhalf.filled sidebar.left sidebar.right menubar.rectangle menubar.dock.rectangle "
     "dock.rectangle rectangle.on.rectangle square.on.square plus.rectangle.on.rectangle "
     "square.grid.2x2 square.grid.3x3 rectangle.stack rectangle.3.group xmark.rectangle minus.rectangle "
     "plus.rectangle rectangle.dashed rectangle.inset.filled pip.enter pip.exit "
     "arrow.up.left.and.down.right.magnifyingglass app app.badge square.stack.3d.up apple.logo "
     "gearshape gearshape.2 slider.horizontal.3 switch.2 power lock lock.open key eye eye.slash"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Keyboard and Mouse"),
     "keyboard command option control shift capslock escape delete.left delete.right space return.left "
     "keyboard.chevron.compact.down cursorarrow cursorarrow.rays cursorarrow.click cursorarrow.click.2 "
     "computermouse hand.point.up.left hand.tap hand.draw hand.raised rectangle.and.hand.point.up.left "
     "laptopcomputer desktopcomputer display display.2 camera.viewfinder viewfinder crop record.circle"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Files"),
     "doc doc.text doc.fill doc.richtext doc.plaintext doc.append doc.badge.plus "
     "doc.text.magnifyingglass doc.zipper folder folder.badge.plus folder.fill externaldrive "
     "internaldrive archivebox tray tray.full tray.2 printer scanner book book.closed books.vertical "
     "bookmark newspaper note.text list.bullet.rectangle tablecells chart.bar chart.pie "
     "chart.line.uptrend.xyaxis calendar calendar.badge.plus clock alarm timer stopwatch hourglass "
     "photo photo.on.rectangle icloud icloud.and.arrow.up icloud.and.arrow.down server.rack cylinder "
     "shippingbox cube"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Code and Math"),
     "terminal chevron.left.forwardslash.chevron.right curlybraces function sum percent plusminus "
     "x.squareroot number.square angle grid circle.grid.cross point.3.connected.trianglepath.dotted "
     "point.topleft.down.to.point.bottomright.curvepath scribble scribble.variable line.diagonal skew "
     "perspective ruler level scope pencil.and.ruler compass.drawing rotate.left rotate.right "
     "flip.horizontal move.3d rotate.3d scale.3d cube.transparent square.3.layers.3d "
     "square.stack.3d.down.right dial.low ladybug"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Communication"),
     "envelope envelope.open envelope.badge paperplane paperplane.fill bubble.left bubble.right "
     "bubble.left.and.bubble.right text.bubble quote.bubble ellipsis.bubble "
     "bubble.left.and.text.bubble.right character.bubble captions.bubble translate phone phone.fill "
     "video video.fill mic mic.slash message bell bell.slash megaphone person person.2 person.3 "
     "person.crop.circle person.badge.plus person.crop.rectangle hand.wave hand.thumbsup "
     "hand.thumbsdown globe network wifi antenna.radiowaves.left.and.right "
     "dot.radiowaves.left.and.right shareplay signature"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Media"),
     "play play.fill pause pause.fill stop stop.fill playpause backward forward backward.end "
     "forward.end backward.fill forward.fill shuffle repeat repeat.1 speaker speaker.wave.1 "
     "speaker.wave.2 speaker.wave.3 speaker.slash music.note music.note.list music.mic headphones "
     "hifispeaker airplayaudio airplayvideo tv play.rectangle play.circle camera camera.fill "
     "photo.stack film film.stack waveform waveform.circle metronome guitars pianokeys radio "
     "recordingtape"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Tools and Objects"),
     "hammer wrench wrench.and.screwdriver screwdriver paintpalette eyedropper wand.and.stars "
     "wand.and.rays sparkles sparkle bolt bolt.fill flame lightbulb lightbulb.fill battery.100 cpu "
     "memorychip gamecontroller puzzlepiece puzzlepiece.extension briefcase bag cart creditcard gift "
     "graduationcap backpack lock.shield checkmark.shield shield binoculars stethoscope cross.case "
     "pills bandage testtube.2 atom flask brain brain.head.profile"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Shapes and Symbols"),
     "circle circle.fill square square.fill triangle diamond hexagon octagon seal capsule oval star "
     "star.fill heart heart.fill suit.heart suit.club suit.spade suit.diamond flag tag pin mappin "
     "location plus minus multiply divide equal xmark checkmark checkmark.circle checkmark.circle.fill "
     "xmark.circle plus.circle minus.circle questionmark.circle exclamationmark.triangle info.circle "
     "nosign slash.circle circle.dashed smallcircle.filled.circle target dot.circle asterisk "
     "number.circle 1.circle 2.circle 3.circle 4.circle 5.circle 6.circle a.circle b.circle c.circle "
     "infinity"},
    {QT_TRANSLATE_NOOP("SymbolCatalog", "Nature and Places"),
     "sun.max moon moon.stars cloud cloud.rain cloud.bolt snowflake wind drop leaf tree mountain.2 "
     "globe.europe.africa globe.americas house house.fill building.2 building.columns car bus tram "
     "airplane bicycle figure.walk figure.run map signpost.right fork.knife cup.and.saucer mug "
     "wineglass birthday.cake carrot pawprint hare tortoise bird fish ant rainbow sunrise sunset "
     "thermometer.medium umbrella beach.umbrella tent bed.double sofa lamp.desk"},
};

QList<SymbolGroup> build()
{
    QList<SymbolGroup> groups;
    for (const GroupEntry &entry : catalogue) {
        groups.append(SymbolGroup{QCoreApplication::translate("SymbolCatalog", entry.title),
                                  QString::fromLatin1(entry.symbols).split(QLatin1Char(' '))});
    }
    return groups;
}

bool containsAll(const QString &text, const QStringList &words)
{
    for (const QString &word : words) {
        if (!text.contains(word))
            return false;
    }
    return true;
}
} // namespace

namespace SymbolCatalog {
const QList<SymbolGroup> &groups()
{
    static const QList<SymbolGroup> all = build();
    return all;
}

QList<SymbolGroup> search(const QString &query)
{
    return search(groups(), query);
}

QList<SymbolGroup> search(const QList<SymbolGroup> &groups, const QString &query)
{
    const QStringList words = query.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return groups;
    QList<SymbolGroup> found;
    for (const SymbolGroup &group : groups) {
        if (containsAll(group.title.toLower(), words)) {
            found.append(group);
            continue;
        }
        SymbolGroup kept{group.title, {}};
        for (const QString &symbol : group.symbols) {
            if (containsAll(symbol, words))
                kept.symbols.append(symbol);
        }
        if (!kept.symbols.isEmpty())
            found.append(kept);
    }
    return found;
}
} // namespace SymbolCatalog

#pragma once

#include "actions/resultpanelstate.h"
#include "platform/screens.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <chrono>
#include <optional>

// Sizes, placement and timings of the result panel, in global points with y up.
namespace ResultPanelGeometry {

constexpr qreal anchorGap = 6;     // between the anchor and the panel
constexpr qreal screenMargin = 4;  // kept inside the screen's visible frame
constexpr qreal answerWidth = 340;
constexpr qreal maximumAnswerHeight = 240; // longer answers scroll
constexpr qreal cornerRadius = 9;
constexpr std::chrono::milliseconds fadeIn{120};
constexpr std::chrono::milliseconds fadeOut{200};
constexpr std::chrono::milliseconds hideDelay{220};
constexpr std::chrono::seconds failureHide{3};
// How long "Done" offers to undo a replacement.
constexpr std::chrono::seconds undoOffer{5};

// What the content may take: 380 × 340 for an answer, 340 × 400 for the other states.
QSizeF proposedSize(ResultPanelState::Kind kind);

// The answer area's height for an answer whose text is `fittingHeight` high at answerWidth: rounded
// up, plus 1, at most maximumAnswerHeight.
qreal answerHeight(qreal fittingHeight);

// Next to the pointer when nothing better is known.
QRectF fallbackAnchor(QPointF pointer);

// The panel's frame: right of the anchor, vertically centred on it; on the anchor's left when it
// would cross the right margin; then kept inside the visible frame of the screen holding the anchor's
// centre (else `mainScreen`). Unclamped without any screen.
QRectF frame(QSizeF size, const QRectF &anchor, const QList<ScreenInfo> &screens,
             const std::optional<ScreenInfo> &mainScreen);

} // namespace ResultPanelGeometry

#include "ui/askquestionfield.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QtMath>

AskQuestionField::AskQuestionField(QWidget *parent)
    : QTextEdit(parent)
{
    setObjectName(QStringLiteral("question"));
    setAcceptRichText(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    setTabChangesFocus(true);
    QFont big = font();
    big.setPixelSize(fontPixelSize);
    setFont(big);
    document()->setDocumentMargin(2);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &AskQuestionField::fitHeight);
    fitHeight();
}

void AskQuestionField::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && !(event->modifiers() & Qt::ShiftModifier)) {
        Q_EMIT submitted();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->ignore(); // the panel closes
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void AskQuestionField::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    fitHeight();
}

void AskQuestionField::fitHeight()
{
    const qreal line = QFontMetricsF(font()).lineSpacing();
    const qreal margins = 2 * document()->documentMargin() + 2 * frameWidth();
    const qreal content = qBound(line, document()->size().height() - 2 * document()->documentMargin(), maximumLines * line);
    const int height = qCeil(content + margins);
    if (height != this->height())
        setFixedHeight(height);
}

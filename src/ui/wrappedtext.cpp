#include "ui/wrappedtext.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QTextOption>
#include <QtMath>

WrappedText::WrappedText(QWidget *parent)
    : QWidget(parent)
{
    m_document.setDocumentMargin(0);
    QTextOption option = m_document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_document.setDefaultTextOption(option);
    m_document.setDefaultFont(font());
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappedText::setText(const QString &text)
{
    m_text = text;
    m_document.setPlainText(text);
    updateGeometry();
    update();
}

void WrappedText::setHtml(const QString &html)
{
    m_document.setHtml(html);
    m_text = m_document.toPlainText();
    updateGeometry();
    update();
}

int WrappedText::naturalWidth() const
{
    m_document.setTextWidth(-1);
    return qCeil(m_document.idealWidth());
}

int WrappedText::heightForWidth(int width) const
{
    m_document.setTextWidth(width);
    return qCeil(m_document.size().height());
}

QSize WrappedText::sizeHint() const
{
    const int width = naturalWidth();
    return {width, heightForWidth(width)};
}

void WrappedText::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_document.setDefaultFont(font());
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void WrappedText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_document.setTextWidth(width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    m_document.documentLayout()->draw(&painter, context);
}

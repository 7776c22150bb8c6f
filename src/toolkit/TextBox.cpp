#include "TextBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>

namespace tk {

TextBox::TextBox(QWidget* parent) : QTextEdit(parent), Placed(this)
{
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    document()->setDocumentMargin(0);
}

void TextBox::setText(const QString& text, Qt::Alignment align)
{
    setPlainText(text);
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setAlignment(align);
        c.setBlockFormat(f);
    }
}

void TextBox::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (const auto pointer = pressOrRelease(this, e); pointer && onPress)
        onPress(*pointer);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), Placed(this) {}

void PictureBox::setPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, pixmap_);
}

} // namespace tk

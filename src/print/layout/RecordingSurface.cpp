#include "RecordingSurface.h"

namespace corvex {

void RecordingSurface::failAt(Item::Kind kind, int n)
{
    m_failKind = kind;
    m_failAt = n;
    m_seenOfFailKind = 0;
}

bool RecordingSurface::record(Item item)
{
    if (m_failAt > 0 && item.kind == m_failKind && ++m_seenOfFailKind == m_failAt)
        return false;
    item.page = m_page;
    m_items.append(item);
    return true;
}

bool RecordingSurface::setDrawingMode(int mode)
{
    Item item(Item::DrawingMode);
    item.mode = mode;
    return record(item);
}

bool RecordingSurface::printText(QPointF topLeft, const QString &text, const PrintTextStyle &style)
{
    Item item(Item::Text);
    item.position = topLeft;
    item.text = text;
    item.style = style;
    return record(item);
}

bool RecordingSurface::drawLine(const QLineF &line, const QColor &colour)
{
    Item item(Item::Line);
    item.line = line;
    item.colour = colour;
    return record(item);
}

bool RecordingSurface::drawPicture(const QRectF &target, const QImage &picture)
{
    Item item(Item::Picture);
    item.target = target;
    item.pictureSize = picture.size();
    return record(item);
}

bool RecordingSurface::newPage()
{
    if (!record(Item(Item::NewPage)))
        return false;
    ++m_page;
    return true;
}

bool RecordingSurface::endJob()
{
    m_ended = record(Item(Item::EndJob));
    return m_ended;
}

QList<RecordingSurface::Item> RecordingSurface::ofKind(Item::Kind kind, int page) const
{
    QList<Item> found;
    for (const Item &item : m_items) {
        if (item.kind == kind && (page == 0 || item.page == page))
            found.append(item);
    }
    return found;
}

QList<RecordingSurface::Item> RecordingSurface::texts(int page) const { return ofKind(Item::Text, page); }
QList<RecordingSurface::Item> RecordingSurface::lines(int page) const { return ofKind(Item::Line, page); }
QList<RecordingSurface::Item> RecordingSurface::pictures(int page) const { return ofKind(Item::Picture, page); }

RecordingSurface::Item RecordingSurface::findText(const QString &text, int page) const
{
    for (const Item &item : ofKind(Item::Text, page)) {
        if (item.text == text)
            return item;
    }
    Item none;
    none.style.face.clear();
    return none;
}

} // namespace corvex

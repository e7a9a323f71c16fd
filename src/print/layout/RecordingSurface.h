#pragma once

#include "PrintSurface.h"

#include <QList>

namespace corvex {

// A surface that keeps every operation in order instead of drawing it, and
// can be told to fail at a chosen operation, like a printer that breaks down.
class RecordingSurface : public PrintSurface
{
public:
    struct Item
    {
        enum Kind { DrawingMode, Text, Line, Picture, NewPage, EndJob };
        explicit Item(Kind kind = Text) : kind(kind) {}

        Kind kind;
        int page = 1;
        QPointF position;    // Text: top-left
        QString text;        // Text
        PrintTextStyle style; // Text
        QLineF line;         // Line
        QColor colour;       // Line
        QRectF target;       // Picture
        QSize pictureSize;   // Picture
        int mode = 0;        // drawingMode
    };

    // Makes the n-th operation of the given kind (counted from 1) fail.
    void failAt(Item::Kind kind, int n = 1);

    const QList<Item> &items() const { return m_items; }
    QList<Item> texts(int page = 0) const;    // page 0: all pages
    QList<Item> lines(int page = 0) const;
    QList<Item> pictures(int page = 0) const;
    // The first text item equal to `text` on the page; a Text item with an
    // empty style face when there is none.
    Item findText(const QString &text, int page = 0) const;
    int pageCount() const { return m_page; }
    bool ended() const { return m_ended; }
    bool discarded() const { return m_discarded; }

    bool setDrawingMode(int mode) override;
    bool printText(QPointF topLeft, const QString &text, const PrintTextStyle &style) override;
    bool drawLine(const QLineF &line, const QColor &colour) override;
    bool drawPicture(const QRectF &target, const QImage &picture) override;
    bool newPage() override;
    bool endJob() override;
    void discardJob() override { m_discarded = true; }

private:
    bool record(Item item);
    QList<Item> ofKind(Item::Kind kind, int page) const;

    QList<Item> m_items;
    int m_page = 1;
    bool m_ended = false;
    bool m_discarded = false;
    Item::Kind m_failKind = Item::EndJob;
    int m_failAt = 0;
    int m_seenOfFailKind = 0;
};

} // namespace corvex

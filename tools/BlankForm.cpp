#include "tools/BlankForm.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QList<FormCell> parseCells(const QString& value) {
    static const QRegularExpression shape(u"^(.*?)(?:#(\\d+))?(?:\\*([0-9.]+))?$"_s);
    QList<FormCell> cells;
    for (const QString& part : value.split(u'|')) {
        const QRegularExpressionMatch match = shape.match(part.trimmed());
        FormCell cell;
        cell.label = match.captured(1).trimmed();
        cell.digits = match.captured(2).toInt();
        cell.weight = match.captured(3).isEmpty() ? (cell.digits > 0 ? cell.digits * 0.35 : 1.0)
                                                  : match.captured(3).toDouble();
        cells << cell;
    }
    return cells;
}

// Lengths on the page are written in millimetres and drawn in pixels.
class Page {
public:
    Page(QImage& image, int dpi) : m_painter(&image), m_dpi(dpi) {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
    }
    double mm(double value) const { return value * m_dpi / 25.4; }
    QPainter& painter() { return m_painter; }
    QPaintDevice* device() const { return m_painter.device(); }
    QFont font(double points, bool bold = false, bool italic = false) const {
        QFont font(u"Liberation Sans"_s);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        font.setItalic(italic);
        return font;
    }
    void pen(double widthMm, const QColor& colour = Qt::black, Qt::PenStyle style = Qt::SolidLine) {
        m_painter.setPen(QPen(colour, mm(widthMm), style, Qt::SquareCap, Qt::MiterJoin));
        m_painter.setBrush(Qt::NoBrush);
    }
    void text(const QRectF& box, int flags, const QString& text, const QFont& font,
              const QColor& colour = Qt::black) {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(box, flags, text);
    }
    double textHeight(const QString& text, const QFont& font, double width) const {
        return QFontMetricsF(font, device())
            .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text)
            .height();
    }

private:
    QPainter m_painter;
    int m_dpi;
};

// The heights of the fixed parts of the page, in millimetres.
constexpr double Margin = 12;
constexpr double SectionHeight = 6.5;
constexpr double SectionGap = 2;
constexpr double FieldHeight = 11;
constexpr double CheckHeight = 8;
constexpr double TableHeaderHeight = 11;
constexpr double TableRowHeight = 7.5;
constexpr double LineSpacing = 8.5;
constexpr double SignatureHeight = 34;
const QColor Shade(224, 224, 224);
const QColor Bar(64, 64, 64);

class Drawer {
public:
    Drawer(const BlankFormDescription& form, QImage& image, int dpi)
        : m_form(form), m_page(image, dpi), m_width(image.width()), m_height(image.height()) {}

    void draw();
    bool overflow() const { return m_overflow; }

private:
    double mm(double value) const { return m_page.mm(value); }
    // A vertical length of the blocks, shortened when the form would not fit on its page.
    double v(double value) const { return m_page.mm(value) * m_squeeze; }
    double left() const { return mm(Margin); }
    double inner() const { return m_width - 2 * mm(Margin); }
    QList<double> widths(const QList<FormCell>& cells) const;
    double blockHeight(const FormBlock& block, int rows) const;
    double headerHeight(const FormBlock& block) const;
    QFont headerFont(const QString& label, double width) const;
    double notesHeight() const;
    double blocksHeight(int fillRows) const;

    double drawHeader(double y);
    double drawTitle(double y);
    void drawBlock(const FormBlock& block, int rows, double y);
    void drawFields(const FormBlock& block, double y);
    void drawTable(const FormBlock& block, int rows, double y);
    void drawSignatures(const FormBlock& block, double y);
    void drawNotes();

    const BlankFormDescription& m_form;
    Page m_page;
    double m_width;
    double m_height;
    double m_squeeze = 1;
    bool m_overflow = false;
};

QList<double> Drawer::widths(const QList<FormCell>& cells) const {
    double total = 0;
    for (const FormCell& cell : cells)
        total += cell.weight;
    QList<double> result;
    for (const FormCell& cell : cells)
        result << inner() * cell.weight / total;
    return result;
}

// A column heading in small bold type, smaller still where one of its words is wider than
// the column.
QFont Drawer::headerFont(const QString& label, double width) const {
    QFont font = m_page.font(7, true);
    for (double points = 7; points > 5; points -= 0.5) {
        font = m_page.font(points, true);
        const QFontMetricsF metrics(font, m_page.device());
        double widest = 0;
        for (const QString& word : label.split(u' ', Qt::SkipEmptyParts))
            widest = qMax(widest, metrics.horizontalAdvance(word));
        if (widest <= width)
            break;
    }
    return font;
}

double Drawer::headerHeight(const FormBlock& block) const {
    const QList<double> columns = widths(block.cells);
    double tallest = mm(TableHeaderHeight);
    for (int i = 0; i < block.cells.size(); ++i)
        tallest = qMax(tallest, m_page.textHeight(block.cells[i].label,
                                                  headerFont(block.cells[i].label, columns[i] - mm(2)),
                                                  columns[i] - mm(2)) +
                                    mm(3));
    return tallest;
}

double Drawer::blockHeight(const FormBlock& block, int rows) const {
    switch (block.kind) {
    case FormBlock::Section:
        return v(SectionGap + SectionHeight);
    case FormBlock::Fields:
        return v(FieldHeight);
    case FormBlock::Checks:
        return v(CheckHeight);
    case FormBlock::Table:
        return headerHeight(block) + rows * v(TableRowHeight);
    case FormBlock::Lines:
        return (block.text.isEmpty() ? 0 : mm(5)) + block.count * v(LineSpacing) + v(2);
    case FormBlock::Text:
        return m_page.textHeight(block.text, m_page.font(7.5), inner()) + mm(2.5);
    case FormBlock::Signatures:
        return mm(10) + v(SignatureHeight - 10);
    case FormBlock::Gap:
        return v(block.millimetres);
    }
    return 0;
}

double Drawer::notesHeight() const {
    double height = 0;
    for (const QString& note : m_form.notes)
        height += m_page.textHeight(note, m_page.font(6.5), inner());
    return height > 0 ? height + mm(3) : 0;
}

double Drawer::drawHeader(double y) {
    double leftY = y;
    for (const QString& line : m_form.authority) {
        const double h = m_page.textHeight(line, m_page.font(8, true), inner() / 2);
        m_page.text(QRectF(left(), leftY, inner() / 2, h), Qt::AlignLeft | Qt::TextWordWrap, line,
                    m_page.font(8, true));
        leftY += h;
    }
    const double boxWidth = mm(62);
    const double right = left() + inner() - boxWidth;
    double rightY = y;
    if (!m_form.code.isEmpty()) {
        const QRectF box(right, rightY, boxWidth, mm(9));
        m_page.pen(0.5);
        m_page.painter().drawRect(box);
        m_page.text(box, Qt::AlignCenter, m_form.code, m_page.font(11, true));
        rightY += mm(11);
    }
    for (const QString& label : m_form.corner) {
        const QRectF box(right, rightY, boxWidth, mm(8));
        m_page.pen(0.25);
        m_page.painter().drawRect(box);
        m_page.text(box.adjusted(mm(1), mm(0.6), 0, 0), Qt::AlignLeft | Qt::AlignTop, label,
                    m_page.font(6.5));
        rightY += mm(8);
    }
    return qMax(leftY, rightY) + mm(4);
}

double Drawer::drawTitle(double y) {
    for (const QString& line : m_form.title) {
        const double h = m_page.textHeight(line, m_page.font(14, true), inner());
        m_page.text(QRectF(left(), y, inner(), h), Qt::AlignHCenter | Qt::TextWordWrap, line,
                    m_page.font(14, true));
        y += h;
    }
    if (!m_form.subtitle.isEmpty()) {
        const double h = m_page.textHeight(m_form.subtitle, m_page.font(8.5, false, true), inner());
        m_page.text(QRectF(left(), y + mm(1), inner(), h), Qt::AlignHCenter | Qt::TextWordWrap,
                    m_form.subtitle, m_page.font(8.5, false, true));
        y += h + mm(1);
    }
    return y + mm(4);
}

void Drawer::drawFields(const FormBlock& block, double y) {
    const QList<double> columns = widths(block.cells);
    double x = left();
    for (int i = 0; i < block.cells.size(); ++i) {
        const FormCell& cell = block.cells[i];
        const QRectF box(x, y, columns[i], v(FieldHeight));
        m_page.pen(0.3);
        m_page.painter().drawRect(box);
        m_page.text(box.adjusted(mm(1), mm(0.6), -mm(1), 0), Qt::AlignLeft | Qt::AlignTop, cell.label,
                    m_page.font(6.5));
        if (cell.digits > 0) {
            // Cells for one digit each along the foot of the box.
            const double cellWidth = qMin(mm(6), (columns[i] - mm(2)) / cell.digits);
            const double cellsLeft = box.right() - mm(1) - cellWidth * cell.digits;
            const double top = box.bottom() - qMin(mm(6), box.height() * 0.55);
            m_page.pen(0.2, QColor(90, 90, 90));
            for (int d = 0; d < cell.digits; ++d)
                m_page.painter().drawRect(
                    QRectF(cellsLeft + d * cellWidth, top, cellWidth, box.bottom() - mm(1) - top));
        }
        x += columns[i];
    }
}

void Drawer::drawTable(const FormBlock& block, int rows, double y) {
    const QList<double> columns = widths(block.cells);
    const double header = headerHeight(block);
    const double rowHeight = v(TableRowHeight);
    QPainter& painter = m_page.painter();
    painter.fillRect(QRectF(left(), y, inner(), header), Shade);
    const bool numbered = !block.cells.isEmpty() && block.cells.first().label == u"Α/Α"_s;
    double x = left();
    for (int i = 0; i < block.cells.size(); ++i) {
        m_page.text(QRectF(x + mm(1), y, columns[i] - mm(2), header), Qt::AlignCenter | Qt::TextWordWrap,
                    block.cells[i].label, headerFont(block.cells[i].label, columns[i] - mm(2)));
        x += columns[i];
    }
    const double bottom = y + header + rows * rowHeight;
    m_page.pen(0.15, QColor(110, 110, 110));
    for (int r = 1; r < rows; ++r)
        painter.drawLine(QPointF(left(), y + header + r * rowHeight),
                         QPointF(left() + inner(), y + header + r * rowHeight));
    if (numbered) {
        for (int r = 0; r < rows; ++r)
            m_page.text(QRectF(left(), y + header + r * rowHeight, columns[0], rowHeight), Qt::AlignCenter,
                        QString::number(r + 1), m_page.font(7), QColor(80, 80, 80));
    }
    m_page.pen(0.3);
    x = left();
    for (int i = 0; i < block.cells.size(); ++i) {
        painter.drawLine(QPointF(x, y), QPointF(x, bottom));
        x += columns[i];
    }
    painter.drawLine(QPointF(x, y), QPointF(x, bottom));
    painter.drawLine(QPointF(left(), y + header), QPointF(left() + inner(), y + header));
    m_page.pen(0.4);
    painter.drawRect(QRectF(left(), y, inner(), bottom - y));
}

void Drawer::drawSignatures(const FormBlock& block, double y) {
    m_page.text(
        QRectF(left(), y + mm(2), inner(), mm(6)), Qt::AlignLeft | Qt::AlignVCenter,
        u"Τόπος: ..................................................        Ημερομηνία: ....... / ....... / ..............."_s,
        m_page.font(8.5));
    const QList<double> columns = widths(block.cells);
    double x = left();
    for (int i = 0; i < block.cells.size(); ++i) {
        const QRectF column(x, y + mm(10), columns[i], v(SignatureHeight - 10));
        m_page.text(QRectF(column.left(), column.top(), column.width(), mm(5)),
                    Qt::AlignHCenter | Qt::AlignTop, block.cells[i].label, m_page.font(8, true));
        const double lineY = column.top() + mm(5) + v(13);
        const double half = qMin(mm(30), column.width() * 0.4);
        m_page.pen(0.2, Qt::black, Qt::DotLine);
        m_page.painter().drawLine(QPointF(column.center().x() - half, lineY),
                                  QPointF(column.center().x() + half, lineY));
        m_page.text(QRectF(column.left(), lineY + mm(1), column.width(), mm(4)),
                    Qt::AlignHCenter | Qt::AlignTop, u"(Υπογραφή)"_s, m_page.font(6.5, false, true));
        x += columns[i];
    }
}

void Drawer::drawBlock(const FormBlock& block, int rows, double y) {
    QPainter& painter = m_page.painter();
    switch (block.kind) {
    case FormBlock::Section: {
        const QRectF bar(left(), y + v(SectionGap), inner(), v(SectionHeight));
        painter.fillRect(bar, Bar);
        m_page.text(bar.adjusted(mm(2), 0, -mm(2), 0), Qt::AlignLeft | Qt::AlignVCenter, block.text,
                    m_page.font(8.5, true), Qt::white);
        break;
    }
    case FormBlock::Fields:
        drawFields(block, y);
        break;
    case FormBlock::Checks: {
        const QList<double> columns = widths(block.cells);
        double x = left();
        for (int i = 0; i < block.cells.size(); ++i) {
            const QRectF square(x + mm(1), y + (v(CheckHeight) - mm(3.6)) / 2, mm(3.6), mm(3.6));
            m_page.pen(0.3);
            painter.drawRect(square);
            m_page.text(QRectF(square.right() + mm(1.5), y, columns[i] - mm(7), v(CheckHeight)),
                        Qt::AlignLeft | Qt::AlignVCenter, block.cells[i].label, m_page.font(7.5));
            x += columns[i];
        }
        break;
    }
    case FormBlock::Table:
        drawTable(block, rows, y);
        break;
    case FormBlock::Lines: {
        double lineY = y;
        if (!block.text.isEmpty()) {
            m_page.text(QRectF(left(), y, inner(), mm(5)), Qt::AlignLeft | Qt::AlignBottom, block.text,
                        m_page.font(7.5, true));
            lineY += mm(5);
        }
        m_page.pen(0.2, QColor(80, 80, 80), Qt::DotLine);
        for (int i = 1; i <= block.count; ++i)
            painter.drawLine(QPointF(left(), lineY + i * v(LineSpacing)),
                             QPointF(left() + inner(), lineY + i * v(LineSpacing)));
        break;
    }
    case FormBlock::Text:
        m_page.text(QRectF(left(), y + mm(1), inner(), blockHeight(block, 0)),
                    Qt::AlignLeft | Qt::TextWordWrap, block.text, m_page.font(7.5));
        break;
    case FormBlock::Signatures:
        drawSignatures(block, y);
        break;
    case FormBlock::Gap:
        break;
    }
}

void Drawer::drawNotes() {
    const double height = notesHeight();
    if (height <= 0)
        return;
    double y = m_height - mm(Margin) - height + mm(3);
    m_page.pen(0.2);
    m_page.painter().drawLine(QPointF(left(), y - mm(1.5)), QPointF(left() + inner(), y - mm(1.5)));
    for (const QString& note : m_form.notes) {
        const double h = m_page.textHeight(note, m_page.font(6.5), inner());
        m_page.text(QRectF(left(), y, inner(), h), Qt::AlignLeft | Qt::TextWordWrap, note, m_page.font(6.5));
        y += h;
    }
}

double Drawer::blocksHeight(int fillRows) const {
    double height = 0;
    for (const FormBlock& block : m_form.blocks)
        height += blockHeight(block, block.fill ? fillRows : block.count);
    return height;
}

void Drawer::draw() {
    double y = drawHeader(mm(Margin));
    y = drawTitle(y);
    const double room = m_height - mm(Margin) - notesHeight() - y - mm(2);
    // A form too long for its page has its boxes and lines made lower, never its text
    // smaller; a table that fills the page keeps a few rows.
    constexpr int FewestFillRows = 3;
    m_squeeze = 0;
    const double text = blocksHeight(FewestFillRows);
    m_squeeze = 1;
    const double natural = blocksHeight(FewestFillRows);
    if (natural > room && natural > text)
        m_squeeze = qMax(0.5, (room - text) / (natural - text));
    int filling = 0;
    for (const FormBlock& block : m_form.blocks)
        filling += block.fill ? 1 : 0;
    const double free = room - blocksHeight(0);
    const int fillRows =
        filling > 0 ? qMax(FewestFillRows, int(std::floor(free / filling / v(TableRowHeight)))) : 0;
    for (const FormBlock& block : m_form.blocks) {
        const int rows = block.fill ? fillRows : block.count;
        drawBlock(block, rows, y);
        y += blockHeight(block, rows);
    }
    m_overflow = y > m_height - mm(Margin) - notesHeight() + 1;
    drawNotes();
}

} // namespace

BlankFormDescription ParseBlankForm(const QString& text, QString* error) {
    BlankFormDescription form;
    const QStringList lines = text.split(u'\n');
    for (int number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line == u"landscape"_s) {
            form.landscape = true;
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        const QString key = colon < 0 ? line : line.left(colon).trimmed();
        const QString value = colon < 0 ? QString() : line.mid(colon + 1).trimmed();
        FormBlock block;
        if (key == u"title"_s) {
            form.title << value;
        } else if (key == u"subtitle"_s) {
            form.subtitle = value;
        } else if (key == u"authority"_s) {
            form.authority << value;
        } else if (key == u"corner"_s) {
            for (const QString& part : value.split(u'|'))
                form.corner << part.trimmed();
        } else if (key == u"code"_s) {
            form.code = value;
        } else if (key == u"note"_s) {
            form.notes << value;
        } else if (key == u"rows"_s && !form.blocks.isEmpty() &&
                   form.blocks.last().kind == FormBlock::Table) {
            form.blocks.last().fill = value == u"fill"_s;
            form.blocks.last().count = value.toInt();
        } else {
            static const QHash<QString, FormBlock::Kind> kinds = {
                {u"section"_s, FormBlock::Section},       {u"fields"_s, FormBlock::Fields},
                {u"checks"_s, FormBlock::Checks},         {u"table"_s, FormBlock::Table},
                {u"lines"_s, FormBlock::Lines},           {u"text"_s, FormBlock::Text},
                {u"signatures"_s, FormBlock::Signatures}, {u"gap"_s, FormBlock::Gap}};
            if (!kinds.contains(key)) {
                if (error)
                    *error = u"line %1: %2"_s.arg(number + 1).arg(line);
                return {};
            }
            block.kind = kinds.value(key);
            if (block.kind == FormBlock::Section || block.kind == FormBlock::Text) {
                block.text = value;
            } else if (block.kind == FormBlock::Lines) {
                block.count = value.section(u' ', 0, 0).toInt();
                block.text = value.section(u' ', 1).trimmed();
            } else if (block.kind == FormBlock::Gap) {
                block.millimetres = value.toDouble();
            } else {
                block.cells = parseCells(value);
                block.count = block.kind == FormBlock::Table ? 10 : 0;
            }
            form.blocks << block;
        }
    }
    return form;
}

QSize FormPageSize(bool landscape, int dotsPerInch) {
    const QSize portrait(int(std::lround(210 / 25.4 * dotsPerInch)),
                         int(std::lround(297 / 25.4 * dotsPerInch)));
    return landscape ? portrait.transposed() : portrait;
}

QImage DrawBlankForm(const BlankFormDescription& form, int dotsPerInch, bool* fits) {
    QImage image(FormPageSize(form.landscape, dotsPerInch), QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    {
        Drawer drawer(form, image, dotsPerInch);
        drawer.draw();
        if (fits)
            *fits = !drawer.overflow();
    }
    return image.convertToFormat(QImage::Format_Grayscale8);
}

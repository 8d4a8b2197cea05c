#include "logic/print/PageGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

namespace {
// Metrics are taken at a large pixel size, where hinting no longer rounds them.
constexpr int MeasureSize = 2048;
constexpr double TwipsPerPoint = 20;

// The report font's line height and advance, per unit of its size.
struct EmMetrics {
    double height = 0;
    double advance = 0;
};

const EmMetrics& em() {
    static const EmMetrics metrics = [] {
        QFont font(QString::fromLatin1(ReportFontFamily));
        font.setPixelSize(MeasureSize);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setKerning(false);
        const QFontMetricsF fm(font);
        return EmMetrics{fm.height() / MeasureSize, fm.horizontalAdvance(QLatin1Char('0')) / MeasureSize};
    }();
    return metrics;
}

} // namespace

double TextLineHeight(double fontSize) {
    return fontSize * TwipsPerPoint * em().height;
}

int ReportFontPixels(double fontSize) {
    return qMax(1, int(std::lround(fontSize * TwipsPerPoint)));
}

double CharacterAdvance(double fontSize) {
    return ReportFontPixels(fontSize) * em().advance;
}

double AutomaticFontSize(double pageWidth, int printColumns) {
    if (printColumns <= 0)
        return 0;
    const double perPoint = std::floor((pageWidth - 2 * SideMargin) / 130);
    return std::floor(perPoint * 10 / printColumns);
}

PageGeometry ComputeGeometry(double pageWidth, double pageHeight, int printColumns, double fontSize,
                             int pageLines) {
    PageGeometry g;
    g.width = pageWidth;
    g.height = pageHeight;
    g.fontSize = fontSize != 0 ? fontSize : AutomaticFontSize(pageWidth, printColumns);
    g.charWidth = int(std::floor(g.fontSize * 130 / 10));
    g.advance = CharacterAdvance(g.fontSize);
    g.lineHeight =
        pageLines != 0 ? (pageHeight - TopMargin - BottomMargin) / pageLines : TextLineHeight(g.fontSize);
    return g;
}

PageGeometry PreviewGeometry(int printColumns, double fontSize, int pageLines, int zoomLevel) {
    const double scale = std::pow(1.25, zoomLevel);
    const bool portrait = printColumns <= PortraitColumns;
    const double width = (portrait ? PortraitPageWidth : PortraitPageHeight) * scale;
    const double height = (portrait ? PortraitPageHeight : PortraitPageWidth) * scale;
    return ComputeGeometry(width, height, printColumns, zoomLevel == 0 ? fontSize : 0, pageLines);
}

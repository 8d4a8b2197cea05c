#include "logic/print/PageGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

namespace {
// Metrics are taken at a large pixel size, where hinting no longer rounds them.
constexpr int MeasureSize = 2048;
constexpr double TwipsPerPoint = 20;
} // namespace

double TextLineHeight(double fontSize) {
    static const double emHeight = [] {
        QFont font(QString::fromLatin1(ReportFontFamily));
        font.setPixelSize(MeasureSize);
        font.setHintingPreference(QFont::PreferNoHinting);
        return QFontMetricsF(font).height() / MeasureSize;
    }();
    return fontSize * TwipsPerPoint * emHeight;
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

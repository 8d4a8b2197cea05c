#pragma once

// The size of a report page and of its text, all in twips (1/1440 inch).
struct PageGeometry {
    double width = 0;
    double height = 0;
    double fontSize = 0; // points
    int charWidth = 0;   // 13 twips per point, cut to a whole number: what the font size is chosen by
    double advance = 0;  // the report font's real advance: every character column stands on this grid
    double lineHeight = 0;
};

// Paper page of the preview at zoom 0.
constexpr double PortraitPageWidth = 11435;
constexpr double PortraitPageHeight = 16350;
// Margins: 350 left and right, 555 above the first row and below the last.
constexpr double SideMargin = 350;
constexpr double TopMargin = 555;
constexpr double BottomMargin = 555;
// A page holds at most 132 print columns upright; wider reports turn it sideways.
constexpr int PortraitColumns = 132;
// The report font; fontconfig gives Liberation Mono, which has the same metrics.
inline constexpr char ReportFontFamily[] = "Courier New";

// Height of one printed text line in the report font at the given size.
double TextLineHeight(double fontSize);
// The report font is drawn at a whole number of twips; this is its size for a point size.
int ReportFontPixels(double fontSize);
// The distance from one character to the next in the report font at the given size, in
// twips: the step of the grid that titles, cells, frames and the boxed grid share.
double CharacterAdvance(double fontSize);

// The automatic font size for a page width: the whole number of 13-twip characters that fit
// between the margins, spread over the print columns.
double AutomaticFontSize(double pageWidth, int printColumns);

// Font, character width and row height for a page of the given size. fontSize 0 chooses the
// automatic size; pageLines 0 lets the font height decide the rows.
PageGeometry ComputeGeometry(double pageWidth, double pageHeight, int printColumns, double fontSize,
                             int pageLines);

// The preview page for the print width at a zoom level (each step 1.25 times larger).
PageGeometry PreviewGeometry(int printColumns, double fontSize, int pageLines, int zoomLevel);

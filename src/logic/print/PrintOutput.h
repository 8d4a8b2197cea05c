#pragma once

#include "logic/print/PageGeometry.h"
#include "logic/print/PageRenderer.h"

class PrintJob;
class QPagedPaintDevice;

// The job on a paged device: a printer, or a PDF writer.

// Sets the device to an A4 sheet turned as the job's page, with margins that leave the
// preview's page (11,435 x 16,350 twips) printable, so that paper pages break as on screen.
void PrepareDevicePage(QPagedPaintDevice& device, bool landscape);

// The page of the device in twips, with the report font for it: the automatic size for the
// device's width, or the job's own size when that is larger.
PageGeometry DeviceGeometry(const PrintJob& job, const QPagedPaintDevice& device);

// Lays out the whole job from its first line for the device and sends the pages whose
// numbers lie within from..to (every page when all is set), without row fills. The device
// is opened only for the first page sent, so that a range holding no page prints nothing.
// Returns the number of pages sent.
int PrintJobPages(const PrintJob& job, QPagedPaintDevice& device, bool all, int from = 1, int to = 0);

// The page on display, drawn as the preview shows it and stretched over the whole page of
// the device.
bool PrintShownPage(const PrintJob& job, QPagedPaintDevice& device, const RenderOptions& options);

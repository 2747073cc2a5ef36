// SPDX-License-Identifier: GPL-3.0-or-later
// The printable document of a run, drawn on A4 portrait pages: to a PDF held in memory (saved
// through the atomic save by its caller) or to any paged device such as a printer.
#pragma once
#include <QByteArray>

#include "present/DocumentPlan.h"

class QPagedPaintDevice;

// Draws every page of planDocument(in) on `device`, from its first page on, starting a new page
// between them. The device is set to A4 portrait without margins first. False when the device
// cannot be painted on (a printer that failed to start).
bool paintDocument(QPagedPaintDevice& device, const DocumentInput& in);

// The document as PDF bytes, its fonts embedded, titled after the project. Needs a
// QGuiApplication.
QByteArray documentPdf(const DocumentInput& in);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WindowLayout.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QMainWindow>
#include <QSplitter>
#include <exception>
#include <filesystem>
#include <utility>

#include "base/TextFile.h"
#include "platform/Platform.h"

namespace {

// Marks the text as this program's layout, so that any other text is refused whole, and tells
// later versions of the layout apart.
constexpr quint32 kMagic = 0x4b4c5954; // "KLYT"
constexpr quint32 kVersion = 1;
// A layout names a handful of splitters; a count beyond this is a damaged text.
constexpr quint32 kMaxSplitters = 64;

} // namespace

std::string windowLayoutText(const QMainWindow& window)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << window.saveGeometry() << window.saveState();
    QList<std::pair<QString, QByteArray>> splitters;
    for (const QSplitter* s : window.findChildren<QSplitter*>())
        if (!s->objectName().isEmpty()) splitters.append({s->objectName(), s->saveState()});
    out << quint32(splitters.size());
    for (const auto& [name, state] : splitters)
        out << name << state;
    return bytes.toBase64().toStdString();
}

bool restoreWindowLayout(QMainWindow& window, const std::string& text)
{
    const QByteArray bytes = QByteArray::fromBase64(QByteArray::fromStdString(text));
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0, version = 0, count = 0;
    QByteArray geometry, state;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion) return false;
    in >> geometry >> state >> count;
    if (in.status() != QDataStream::Ok || count > kMaxSplitters) return false;
    QList<std::pair<QString, QByteArray>> splitters;
    for (quint32 i = 0; i < count; ++i) {
        QString name;
        QByteArray shares;
        in >> name >> shares;
        splitters.append({name, shares});
    }
    // Read whole before anything is applied: a text cut short changes nothing.
    if (in.status() != QDataStream::Ok || !in.atEnd()) return false;
    if (!window.restoreGeometry(geometry)) return false;
    window.restoreState(state);
    for (const auto& [name, shares] : splitters)
        if (auto* s = window.findChild<QSplitter*>(name)) s->restoreState(shares);
    return true;
}

std::string windowLayoutPath(Platform& platform)
{
    return platform.userDataDir() + "window-layout.txt";
}

void keepWindowLayout(const QMainWindow& window, Platform& platform)
{
    try {
        std::filesystem::create_directories(platform.userDataDir());
        TextWriter out(windowLayoutPath(platform));
        out.writeLine(windowLayoutText(window));
        out.save();
    } catch (const std::exception&) {
        // The layout is a convenience: losing it costs the user one drag of a splitter.
    }
}

bool restoreKeptWindowLayout(QMainWindow& window, Platform& platform)
{
    try {
        TextReader in(windowLayoutPath(platform));
        const std::string line = in.readLine();
        // A line cut at the reader's cap is no layout this program wrote.
        return !in.lineCut() && restoreWindowLayout(window, line);
    } catch (const std::exception&) {
        return false; // none kept yet, or nothing readable
    }
}

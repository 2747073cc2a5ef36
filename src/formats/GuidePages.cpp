// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/GuidePages.h"

#include "base/UiText.h"
#include "calc/Quantities.h"
#include "calc/QuantityGuide.h"
#include "params/ParamTable.h"

namespace {

// The units the catalogues use, marked so that a translation can give their symbols; a unit
// missing here is shown as it stands.
constexpr const char* kUnits[] = {
    guideText("GuideUnit", "рад"),      guideText("GuideUnit", "рад/с"),
    guideText("GuideUnit", "рад/с²"),   guideText("GuideUnit", "с"),
    guideText("GuideUnit", "безразм."), guideText("GuideUnit", "м"),
    guideText("GuideUnit", "м/с"),      guideText("GuideUnit", "м/с²"),
    guideText("GuideUnit", "Дж"),       guideText("GuideUnit", "Н"),
    guideText("GuideUnit", "Н·м"),      guideText("GuideUnit", "Вт"),
    guideText("GuideUnit", "°"),        guideText("GuideUnit", "кг"),
    guideText("GuideUnit", "кг·м²"),    guideText("GuideUnit", "рад/с² за шаг"),
};

std::string unitText(std::string_view unit)
{
    for (const char* u : kUnits)
        if (unit == u) return uiText("GuideUnit", u);
    return std::string(unit);
}

// The head, the navigation bar and the page's heading; the current page is not a link.
std::string pageStart(std::string_view lang, std::string_view file, const std::string& title)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"" + std::string(lang) +
                       "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + htmlEscaped(title) +
                       " — Kinovar</title>\n<link rel=\"stylesheet\" href=\"../guide.css\">\n"
                       "</head>\n<body>\n<nav>";
    for (const GuidePageInfo& p : kGuidePages) {
        const std::string name = htmlEscaped(uiText("GuidePage", p.title));
        if (file == p.file)
            html += "<strong>" + name + "</strong> ";
        else
            html += "<a href=\"" + std::string(p.file) + "\">" + name + "</a> ";
    }
    html += "</nav>\n<main>\n<h1>" + htmlEscaped(title) + "</h1>\n";
    return html;
}

constexpr const char* kPageEnd = "</main>\n</body>\n</html>\n";

std::string cell(const std::string& text)
{
    return "<td>" + (text.empty() ? std::string("—") : htmlEscaped(text)) + "</td>";
}

std::string codeCell(std::string_view text)
{
    return "<td><code>" + htmlEscaped(text) + "</code></td>";
}

// The files of a quantity or parameter as a list of their names, "" for none.
std::string carrierFiles(uint8_t files)
{
    std::string list;
    const auto add = [&list](const std::string& name) {
        list += (list.empty() ? "" : ", ") + name;
    };
    if (files & kInReport) add(uiText("GuidePage", "отчёт"));
    if (files & kInListing) add(uiText("GuidePage", "листинг"));
    if (files & kInKinetic) add("Kinetic.ini");
    if (files & kInProject) add(uiText("GuidePage", "проект (*.kinovar)"));
    return list;
}

} // namespace

const GuidePageInfo kGuidePages[5] = {
    {"index.html", guideText("GuidePage", "Первый запуск")},
    {"course.html", guideText("GuidePage", "Курсовой проект")},
    {kQuantitiesPage, guideText("GuidePage", "Величины")},
    {kParametersPage, guideText("GuidePage", "Параметры")},
    {"files.html", guideText("GuidePage", "Файлы и пакетный режим")},
};

std::string quantityAnchor(std::string_view name)
{
    return "q-" + std::string(name);
}

std::string paramAnchor(std::string_view key)
{
    return "p-" + std::string(key);
}

std::string htmlEscaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string quantitiesPageHtml(std::string_view lang)
{
    std::string html = pageStart(lang, kQuantitiesPage, uiText("GuidePage", "Величины"));
    html += "<p>" +
            htmlEscaped(uiText("GuidePage",
                               "Каждая строка таблицы результатов, столбец CSV и кривая графиков — "
                               "одна из этих величин. Оси: x поперёк линии хода ползуна, y вдоль "
                               "неё; начало координат — ось кривошипа O; вес направлен к −y.")) +
            "</p>\n<table>\n<tr><th>" + htmlEscaped(uiText("GuidePage", "Имя")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Подпись")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Единица")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Смысл")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Знак")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "На какое тело")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Файлы")) + "</th></tr>\n";
    for (const QuantityInfo& q : kQuantities) {
        const QuantityGuideEntry& g = quantityGuide(q.id);
        html += "<tr id=\"" + quantityAnchor(q.name) + "\">" + codeCell(q.name) +
                cell(uiText("Quantity", q.caption)) + cell(unitText(q.unit)) +
                cell(guideMeaning(g)) + cell(guideSign(g)) + cell(forceBodyText(g.body)) +
                cell(carrierFiles(q.files)) + "</tr>\n";
    }
    html += "</table>\n";
    html += "<p>" +
            htmlEscaped(uiText("GuidePage",
                               "Отчёт, листинг и Kinetic.ini сохраняют прежний состав строк; "
                               "таблица результатов, экспорт CSV, пакетный CSV и графики содержат "
                               "все величины.")) +
            "</p>\n";
    return html + kPageEnd;
}

std::string parametersPageHtml(std::string_view lang)
{
    std::string html = pageStart(lang, kParametersPage, uiText("GuidePage", "Параметры"));
    html += "<p>" +
            htmlEscaped(uiText("GuidePage",
                               "Ключ — имя параметра в проекте и в ключе --set пакетного режима; "
                               "подпись — надпись у его кнопки в окне (пусто, если кнопки нет).")) +
            "</p>\n<table>\n<tr><th>" + htmlEscaped(uiText("GuidePage", "Ключ")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Подпись")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Единица")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Пояснение")) + "</th><th>" +
            htmlEscaped(uiText("GuidePage", "Файлы")) + "</th></tr>\n";
    for (const ParamInfo& p : kParams) {
        html += "<tr id=\"" + paramAnchor(p.key) + "\">" + codeCell(p.key) + cell(p.caption) +
                cell(unitText(p.unit)) + cell(paramNote(p)) + cell(carrierFiles(p.files)) +
                "</tr>\n";
    }
    html += "</table>\n";
    return html + kPageEnd;
}

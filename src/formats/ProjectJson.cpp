// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ProjectJson.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "base/MessageText.h"

namespace {

// One open object or array while parsing: its path for messages and what it holds so far.
struct Open {
    bool object = false;
    std::string path;
    size_t count = 0; // keys of an object, elements of an array
    std::string lastKey;
    std::unordered_set<std::string> keys;
};

std::string memberPath(const std::string& path, const std::string& key)
{
    return path.empty() ? key : path + "." + key;
}

// Follows the parser's events: refuses a key seen twice in one object (the parser would keep the
// last, dropping the first without a word), more keys than the cap (the ordered object looks up
// each new key among the ones before it), and nesting past the cap (freeing a value recurses).
class Limits {
public:
    bool operator()(int, nlohmann::detail::parse_event_t event, ProjectJson& parsed)
    {
        using Event = nlohmann::detail::parse_event_t;
        switch (event) {
        case Event::object_start:
        case Event::array_start:
            openContainer(event == Event::object_start);
            break;
        case Event::key:
            key(parsed.get_ref<const std::string&>());
            break;
        case Event::value:
            if (!stack_.empty() && !stack_.back().object) ++stack_.back().count;
            break;
        case Event::object_end:
        case Event::array_end:
            if (!stack_.empty()) stack_.pop_back();
            break;
        }
        return true;
    }

private:
    void openContainer(bool object)
    {
        std::string path;
        if (!stack_.empty()) {
            Open& parent = stack_.back();
            path = parent.object ? memberPath(parent.path, parent.lastKey)
                                 : parent.path + "[" + std::to_string(parent.count++) + "]";
        }
        if (stack_.size() >= size_t(kMaxProjectDepth))
            throw ProjectError(
                "the project nests deeper than " + std::to_string(kMaxProjectDepth) + " levels",
                "проект вложен глубже " + std::to_string(kMaxProjectDepth) + " уровней");
        stack_.push_back(Open{object, std::move(path), 0, {}, {}});
    }

    void key(const std::string& name)
    {
        Open& top = stack_.back();
        if (++top.count > kMaxProjectKeys) {
            const std::string where = quoteText(memberPath(top.path, name), 80);
            throw ProjectError("project key '" + where + "': more than " +
                                   std::to_string(kMaxProjectKeys) + " keys in one object",
                               "ключ проекта «" + where + "»: в одном объекте больше " +
                                   std::to_string(kMaxProjectKeys) + " ключей");
        }
        if (!top.keys.insert(name).second) {
            const std::string where = quoteText(memberPath(top.path, name), 80);
            throw ProjectError("project key '" + where + "': the key is given twice",
                               "ключ проекта «" + where + "» задан дважды");
        }
        top.lastKey = name;
    }

    std::vector<Open> stack_;
};

// Line and column (from 1) of a byte offset, as an editor counts them.
std::string position(std::string_view text, size_t offset, bool russian)
{
    offset = std::min(offset, text.size());
    size_t line = 1, column = 1;
    for (size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return russian ? "строка " + std::to_string(line) + ", столбец " + std::to_string(column)
                   : "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's own words after its prefix ("[json.exception.parse_error.101] parse error at
// line 1, column 5: "): what it expected.
std::string parserReason(const std::string& what)
{
    const size_t colon = what.find(": ");
    return quoteText(colon == std::string::npos ? what : what.substr(colon + 2), 160);
}

bool isScalar(const ProjectJson& v)
{
    return !v.is_object() && !v.is_array();
}

void appendValue(const ProjectJson& v, size_t indent, bool inArray, std::string& out)
{
    if (isScalar(v)) {
        out += v.dump();
        return;
    }
    if (v.empty()) {
        out += v.is_object() ? "{}" : "[]";
        return;
    }
    if (inArray && v.is_array() && std::all_of(v.begin(), v.end(), isScalar)) {
        // A row of a table: a table of 100 000 rows one value a line would not fit the file.
        out += '[';
        for (size_t k = 0; k < v.size(); ++k)
            out += (k ? ", " : "") + v[k].dump();
        out += ']';
        return;
    }
    out += v.is_object() ? "{\n" : "[\n";
    bool first = true;
    for (auto it = v.begin(); it != v.end(); ++it) {
        if (!first) out += ",\n";
        first = false;
        out.append(indent + 2, ' ');
        if (v.is_object()) {
            out += ProjectJson(it.key()).dump();
            out += ": ";
        }
        appendValue(*it, indent + 2, v.is_array(), out);
    }
    out += '\n';
    out.append(indent, ' ');
    out += v.is_object() ? '}' : ']';
}

} // namespace

ProjectJson parseProjectJson(std::string_view text)
{
    // The parser takes a NUL for the end of its input: whatever followed would go unread.
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        throw ProjectError("not a project file: a NUL byte at offset " + std::to_string(nul),
                           "это не файл проекта: нулевой байт на позиции " + std::to_string(nul));
    try {
        return ProjectJson::parse(text.begin(), text.end(), Limits{});
    } catch (const ProjectJson::parse_error& e) {
        // The parser's byte counts from 1 and points past the offending character.
        const size_t at = e.byte > 0 ? e.byte - 1 : 0;
        throw ProjectError("not a project file: " + position(text, at, false) + ": " +
                               parserReason(e.what()),
                           "это не файл проекта: ошибка JSON, " + position(text, at, true));
    } catch (const ProjectJson::exception& e) {
        throw ProjectError("not a project file: " + parserReason(e.what()),
                           "это не файл проекта: ошибка JSON");
    }
}

std::string projectJsonText(const ProjectJson& doc)
{
    std::string out;
    try {
        appendValue(doc, 0, false, out);
    } catch (const ProjectJson::exception& e) {
        throw ProjectError("the project holds text that is not UTF-8: " + parserReason(e.what()),
                           "в проекте есть текст не в UTF-8");
    }
    out += '\n';
    return out;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The project file (*.kinovar): everything a run needs, as JSON a person can read and diff. Its
// sections are the parameters (every parameter of the table carried by kInProject, in table
// order, one per line) and the run settings (step, cycles, steps, mode), under a format name and
// version and the program's version.
//
// Every real is written as a JSON string holding its full-precision text with '.' as the decimal
// separator (writeFullPrecision: 21 significant digits, enough for any 80-bit value), and read
// back through ParseReal, which rounds correctly: a value read back is the same long double, bit
// for bit. A JSON number would pass through a double on the way and lose the extended bits, so
// numbers are taken only where they are whole (a hand-written "l1": 10).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "base/TextFile.h"
#include "calc/Variant.h"
#include "params/ParamSet.h"

inline constexpr const char* kProjectFormatName = "kinovar-project";
inline constexpr int kProjectFormatMajor = 1; // a reader refuses a file of a newer major version
inline constexpr int kProjectFormatMinor = 0; // a newer minor version only adds keys
// The largest project file read; a bigger one is refused before it is parsed.
inline constexpr size_t kMaxProjectBytes = 16 * 1024 * 1024;
// The deepest nesting of arrays and objects read; the format itself uses two levels.
inline constexpr int kMaxProjectDepth = 32;

// A project that cannot be written or read back; the message names the key and the reason.
class ProjectError : public KinovarError {
public:
    using KinovarError::KinovarError;
};

// What a project holds: the parameter set, the variants kept for comparison, the charts the
// printed report shows (nullopt: every chart), and a free comment (the mechanism's source
// figures, say; empty for none). Files written before the comment existed read with none.
struct Project {
    ParamSet params;
    std::vector<Variant> variants;
    std::optional<std::vector<std::string>> reportCharts;
    std::string comment;
};
// The longest comment kept, in bytes of UTF-8.
inline constexpr size_t kMaxProjectCommentBytes = 64 * 1024;

// What a read gives: the project and the keys it held that this program does not know
// ("parameters.xyz", "colour"), in file order, each once.
struct ProjectContent : Project {
    std::vector<std::string> unknownKeys;
};

// The text of the project, ending in a newline (LF line ends). Throws ProjectError when a step
// (of the set or of a variant) is none the window offers, so no file is written that could not
// be read back.
std::string projectText(const Project& project);
std::string projectText(const ParamSet& p);

// Writes projectText to `out`, or to a file saved whole or not at all (TextWriter): on any
// failure (InOutError, ProjectError) a file of that name keeps its old content. A bare parameter
// set is written as a project without variants.
void writeProject(TextWriter& out, const Project& project);
void writeProject(const std::string& path, const Project& project);
void writeProject(TextWriter& out, const ParamSet& p);
void writeProject(const std::string& path, const ParamSet& p);

// Reads a project text: starts from the defaults (setDefaults, every coordinate 0), so a key the
// file lacks keeps its default, then stores every known key. Throws ProjectError, naming the key
// and the reason, for text that is not JSON, not a project, a newer major version, a value that
// is not a number, not finite or refused by the parameter table (storeParam), a step the window
// does not offer, a cycle count or mode out of range, more than kMaxVariants variants or a
// variant refused for any of these reasons, or a "comment" that is not text of at most
// kMaxProjectCommentBytes. Nothing is returned from a refused text.
ProjectContent parseProject(std::string_view text);

// Reads a project file as a report is read (TextReader: a regular file only, lines capped), at
// most kMaxProjectBytes; then parseProject. Throws InOutError for the file, ProjectError for its
// content.
ProjectContent readProject(const std::string& path);

// The memo line for the keys a read ignored: "Неизвестные ключи проекта пропущены: a, b"; empty
// text when there were none.
std::string unknownKeysMemo(const std::vector<std::string>& keys);

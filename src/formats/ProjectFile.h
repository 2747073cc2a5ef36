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
#include "base/WindowMessage.h"
#include "calc/Variant.h"
#include "formats/ProjectError.h"
#include "params/ParamSet.h"

inline constexpr const char* kProjectFormatName = "kinovar-project";
inline constexpr int kProjectFormatMajor = 1; // a reader refuses a file of a newer major version
inline constexpr int kProjectFormatMinor = 0; // a newer minor version only adds keys
// The largest project file read; a bigger one is refused before it is parsed, and a project whose
// text would be bigger is refused before anything of it is written.
inline constexpr size_t kMaxProjectBytes = 16 * 1024 * 1024;

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
// ("parameters.xyz", "colour", "variants[1].run.hue"): the first kListedUnknownKeys in file
// order, and how many there were in all.
struct ProjectContent : Project {
    std::vector<std::string> unknownKeys;
    size_t unknownKeyCount = 0;
};

// The text of the project, ending in a newline (LF line ends); a load table's row stands on one
// line, its values in the shortest text that reads back exactly. Throws ProjectError for a
// project the reader would refuse, so no file is written that could not be read back: a step
// none the window offers, a step count not 24 * cycles + 1 up to 90000, a load table its period
// refuses, a value beyond the range of a double (a parameter, a load point, a variant's figure),
// a line longer than kMaxLineBytes, or a text longer than kMaxProjectBytes.
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
// and the reason, for text that is not JSON (or holds a NUL byte, a key twice, more than
// kMaxProjectKeys keys in one object), not a project, a newer major version, a value that is not
// a number, not finite or refused by the parameter table (storeParam), a load value or variant
// figure beyond the range of a double, a step the window does not offer, a cycle count whose
// steps pass 90000 or a mode out of range, more than kMaxVariants variants or a variant refused
// for any of these reasons, or a "comment" that is not text of at most kMaxProjectCommentBytes.
// Nothing is returned from a refused text. The cycle count read is
// the one the step count gives. The work grows linearly with the text.
ProjectContent parseProject(std::string_view text);

// Reads a project file as a report is read (TextReader: a regular file only, lines capped), at
// most kMaxProjectBytes; then parseProject. Throws InOutError for the file, ProjectError for its
// content.
ProjectContent readProject(const std::string& path);

// The memo line for the keys a read ignored: "Неизвестные ключи проекта пропущены: a, b"; with
// " …и ещё N" when `total` counts N more than `keys` lists; empty text when there were none.
std::string unknownKeysMemo(const std::vector<std::string>& keys, size_t total = 0);
// The same for the batch: "a, b", then " …and N more".
std::string unknownKeysNote(const std::vector<std::string>& keys, size_t total);

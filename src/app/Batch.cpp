// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Batch.h"
#include "app/BatchOptimise.h"
#include "app/BatchOutputs.h"
#include "app/BatchParams.h"
#include "app/BatchSweep.h"
#include "app/BatchSynthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "app/BatchMotion.h"
#include "base/LicenceNotice.h"
#include "base/LocaleSeparator.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"
#include "calc/Balancing.h"
#include "calc/Calculation.h"
#include "calc/Load.h"
#include "calc/RodReach.h"
#include "formats/Kinetic.h"
#include "formats/LoadCsv.h"
#include "formats/ProjectFile.h"
#include "formats/Report.h"
#include "formats/ResultCsv.h"
#include "formats/ResultsText.h"
#include "formats/SummaryJson.h"
#include "params/Autofill.h"
#include "params/LoadTable.h"
#include "params/ParamSet.h"
#include "params/ParamTable.h"
#include "params/PointCheck.h"
#include "params/RunSettings.h"
#include "present/VariantTable.h"

namespace {

constexpr const char* kProgram = "kinovar-batch";

// A project's title for the document: its file name without the folder and the suffix.
std::string projectTitle(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.size() > 8 && name.ends_with(".kinovar")) name.resize(name.size() - 8);
    return name;
}

using BadInput = BatchBadInput;

// ---- Options -----------------------------------------------------------------------------

// A change of the parameter set. After the defaults, actions apply by phase and, within a phase,
// in command-line order: a project first (it replaces the whole set), then every params file,
// then --set (options that set values from the command line, such as reading a report's header,
// belong with --set).
struct ParamAction {
    int phase;
    std::function<void(ParamSet&)> apply; // throws BadInput
};
constexpr int kProjectPhase = -1;
constexpr int kFilePhase = 0;
constexpr int kOptionPhase = 1;
constexpr int kLoadPhase = 2; // a load table is checked against the period finally set

// Everything the command line asks for.
struct BatchJob {
    std::vector<ParamAction> actions;
    std::optional<std::string> csv;
    std::optional<std::string> kinetic; // the animation file, as "Анимация" writes it
    std::optional<std::string> report; // as "Сохранить Отчёт" writes it right after "Обновить"
    std::optional<std::string> listing; // the memo text after "Обновить", lines ending CR LF
    std::optional<std::string> project; // the parameters after every option, as a project file
    std::optional<std::string> summary; // the run's summary as JSON
    std::optional<std::string> pdf;     // the printable document
    std::string projectName;            // the last --project's file name, for the document
    // The charts the document carries: the last project's choice, else all.
    std::shared_ptr<std::optional<std::vector<std::string>>> charts =
        std::make_shared<std::optional<std::vector<std::string>>>();
    // The last project's variants: kept by --save-project, compared in the document.
    std::shared_ptr<std::vector<Variant>> variants = std::make_shared<std::vector<Variant>>();
    // The last project's comment, kept by --save-project.
    std::shared_ptr<std::string> comment = std::make_shared<std::string>();
    // Separator of reports and listings, '\0' for the locale's.
    char separator = '\0';
    bool autofill = false;
    std::optional<long double> balance; // the fraction of --balance
    // A sweep of one key or more from the parameters every other option set, its rows to
    // --summary, or only the rows of a shard of it.
    SweepGrid sweep;
    std::optional<SweepShard> shard;
    bool sweepAutofill = false;
    int jobs = 0;          // threads of a sweep; 0 for every core
    bool progress = false; // a sweep's progress on standard error, wherever it goes
    // A search for the best design from the parameters every other option set.
    bool optimise = false;
    OptimisePlan optimisePlan;
    std::optional<std::string> history; // its history as CSV
    bool help = false;
    bool version = false;
    // Notes the parameter actions leave for standard error (keys a project held that were
    // ignored); shared, so that every copy of the job sees the same list.
    std::shared_ptr<std::vector<std::string>> notes = std::make_shared<std::vector<std::string>>();
};

// The separator of reports and listings: the option's, else the locale's when it is one the
// readers take ('.' otherwise).
char reportSeparator(char chosen)
{
    if (chosen) return chosen;
    return environmentDecimalSeparator() == ',' ? ',' : '.';
}

// '.' or ',': the two separators that the report reader and the animator read back.
char separatorOption(const std::string& text)
{
    if (text != "." && text != ",")
        throw BadInput{"--decimal-separator '" + quoteText(text) + "': expected . or ,"};
    return text[0];
}

struct BatchOption {
    const char* name;
    const char* value; // what its value is, for the usage; nullptr for a flag
    const char* help;
    void (*take)(BatchJob& job, const std::string& value);
};

// The options, in the order of the usage. A new option adds a row here; an output also adds a
// step to writeOutputs, a parameter source a ParamAction.
const BatchOption kOptions[] = {
    {"--params", "FILE", "read KEY = VALUE lines (blank lines and lines starting with # skipped)",
     [](BatchJob& job, const std::string& path) {
         job.actions.push_back({kFilePhase, [path](ParamSet& p) { applyParamsFile(p, path); }});
     }},
    {"--set", "KEY=VALUE",
     "set one parameter, after every params file, in the order given; several\n"
     "                      may be joined by commas (m_cw=2,r_cw=0.1)",
     [](BatchJob& job, const std::string& text) {
         job.actions.push_back({kOptionPhase, [text](ParamSet& p) {
                                    try {
                                        // Numbers take the period, so a comma only ever parts
                                        // two assignments.
                                        for (const std::string& one : commaParts(text)) {
                                            std::string key, value;
                                            if (!splitAssignment(one, key, value))
                                                throw BadInput{"expected KEY=VALUE"};
                                            setParam(p, key, value);
                                        }
                                    } catch (const BadInput& e) {
                                        throw BadInput{"--set " + quoteText(text) + ": " +
                                                       e.message};
                                    }
                                }});
     }},
    {"--project", "FILE", "start from a project file (*.kinovar) instead of the defaults",
     [](BatchJob& job, const std::string& path) {
         job.projectName = projectTitle(path);
         job.actions.push_back(
             {kProjectPhase, [path, notes = job.notes, charts = job.charts, variants = job.variants,
                              comment = job.comment](ParamSet& p) {
                  try {
                      const ProjectContent read = readProject(path);
                      p = read.params;
                      *charts = read.reportCharts;
                      *variants = read.variants;
                      *comment = read.comment;
                      const std::string note =
                          unknownKeysNote(read.unknownKeys, read.unknownKeyCount);
                      if (!note.empty())
                          notes->push_back(quoteText(path) + ": unknown keys ignored: " + note);
                  } catch (const KinovarError& e) {
                      throw BadInput{"--project " + quoteText(path) + ": " + e.what()};
                  }
              }});
     }},
    {"--load", "FILE",
     "read the working load on the slider from a CSV table, after every --set\n"
     "                      (columns angle,force or angle,force_y or stroke,force_toward,"
     "force_away)",
     [](BatchJob& job, const std::string& path) {
         job.actions.push_back({kLoadPhase, [path](ParamSet& p) {
                                    try {
                                        p.load = readLoadCsv(path, p.period);
                                    } catch (const KinovarError& e) {
                                        throw BadInput{"--load " + quoteText(path) + ": " +
                                                       e.what()};
                                    }
                                }});
     }},
    {"--motion", "true|prescribed",
     "the crank's motion: the true motion under the drive and flywheel, or as prescribed",
     [](BatchJob& job, const std::string& text) {
         job.actions.push_back({kOptionPhase, [text](ParamSet& p) { applyMotionOption(p, text); }});
     }},
    {"--flywheel", "J", "the flywheel's moment of inertia for the true motion, kg·m²",
     [](BatchJob& job, const std::string& text) {
         job.actions.push_back(
             {kOptionPhase, [text](ParamSet& p) { applyFlywheelOption(p, text); }});
     }},
    {"--drive", "constant|motor:M_n:ω_n:ω_0|table:FILE",
     "the drive of the true motion: the summary's constant moment, a motor's\n"
     "                      characteristic, or a CSV table with the columns omega,moment",
     [](BatchJob& job, const std::string& text) {
         job.actions.push_back({kOptionPhase, [text](ParamSet& p) { applyDriveOption(p, text); }});
     }},
    {"--autofill", nullptr, "place the points from l1, l2, b and fi0 before the calculation",
     [](BatchJob& job, const std::string&) { job.autofill = true; }},
    {"--balance", "C",
     "put on the counterweight that balances the crank, the rod's share at A and\n"
     "                      the fraction C (0 to 1) of the reciprocating masses, after every\n"
     "                      other parameter and the autofill (r_cw kept, else l1)",
     [](BatchJob& job, const std::string& text) {
         try {
             const long double c = ParseReal(text, '.');
             if (!(c >= 0 && c <= 1)) throw BadInput{"expected a fraction from 0 to 1"};
             job.balance = c;
         } catch (const ConvertError& e) {
             throw BadInput{"--balance: " + std::string(e.what())};
         } catch (const BadInput& e) {
             throw BadInput{"--balance " + quoteText(text) + ": " + e.message};
         }
     }},
    {"--csv", "FILE|-", "write the result store as CSV, the steps computed (1..N)",
     [](BatchJob& job, const std::string& path) { job.csv = path; }},
    {"--kinetic", "FILE|-", "write the animation file (\"Kinetic.ini\" format) for the run",
     [](BatchJob& job, const std::string& path) { job.kinetic = path; }},
    {"--report", "FILE|-", "write the report file, as saved right after a refresh of the results",
     [](BatchJob& job, const std::string& path) { job.report = path; }},
    {"--listing", "FILE|-", "write the results listing (lines end in CR LF)",
     [](BatchJob& job, const std::string& path) { job.listing = path; }},
    {"--save-project", "FILE|-", "write the parameters, after every option, as a project file",
     [](BatchJob& job, const std::string& path) { job.project = path; }},
    {"--summary", "FILE|-",
     "write the run's summary as JSON: extremes, peaks, the moment check and the\n"
     "                      flywheel (delta from --set delta=..., the period's steps)",
     [](BatchJob& job, const std::string& path) { job.summary = path; }},
    {"--sweep", "KEY=FROM:TO:COUNT",
     "vary KEY (or loadscale,\n"
     "                      the load's factor) over COUNT values from FROM to TO (at most 1000),\n"
     "                      writing to --summary one row per value instead of the JSON: the\n"
     "                      value, ok or why the variant failed, and every key figure.\n"
     "                      Repeated, it sweeps every combination of the values (at most\n"
     "                      1000000 rows), the last --sweep varying fastest and the first\n"
     "                      slowest; each row then starts with its index, from 0, and the\n"
     "                      values of the keys in the order given. Each\n"
     "                      value is a whole run: about 40 microseconds of processor time per\n"
     "                      cycle on a current PC, so 1000 values of 3749 cycles take some\n"
     "                      150 s of processor time, shared among the --jobs threads",
     [](BatchJob& job, const std::string& text) {
         try {
             job.sweep.axes.push_back(parseSweepOption(text));
         } catch (const SweepOptionError& e) {
             throw BadInput{e.message};
         }
     }},
    {"--sweep-autofill", nullptr, "place the points afresh for every value (every row) of the sweep",
     [](BatchJob& job, const std::string&) { job.sweepAutofill = true; }},
    {"--jobs", "N",
     "run a sweep on N threads (default: every core); the rows keep their order;\n"
     "                      with --optimise, the restarts of its global phase",
     [](BatchJob& job, const std::string& text) {
         try {
             job.jobs = parseJobsOption(text);
         } catch (const SweepOptionError& e) {
             throw BadInput{e.message};
         }
     }},
    {"--shard", "K/N",
     "write only the sweep's rows whose index is K mod N (0 <= K < N), each\n"
     "                      starting with its index: the shards' outputs concatenated and\n"
     "                      sorted by index (LC_ALL=C sort -g -u) are the whole sweep's, byte\n"
     "                      for byte",
     [](BatchJob& job, const std::string& text) {
         try {
             job.shard = parseShardOption(text);
         } catch (const SweepOptionError& e) {
             throw BadInput{e.message};
         }
     }},
    {"--progress", nullptr,
     "report a sweep's progress and the time left on standard error (the default\n"
     "                      when standard error is a terminal)",
     [](BatchJob& job, const std::string&) { job.progress = true; }},
    {"--pdf", "FILE|-",
     "write the printable document (PDF, A4): the mechanism, the inputs, the charts,\n"
     "                      the summary; numbers take the separator of reports",
     [](BatchJob& job, const std::string& path) { job.pdf = path; }},
    {"--from-report", "FILE", "read the 14 parameters of a report file, in order with --set",
     [](BatchJob& job, const std::string& path) {
         job.actions.push_back({kOptionPhase, [path](ParamSet& p) {
                                    try {
                                        readReportHeader(path, p);
                                    } catch (const KinovarError& e) {
                                        throw BadInput{"--from-report " + quoteText(path) + ": " +
                                                       e.what()};
                                    }
                                }});
     }},
    {"--synthesise", "H=..,K=..[,lambda=..|,pressure=..]",
     "l1, l2, b from:\n"
     "                      the stroke H, the time ratio K and the ratio l1/l2 (kept when\n"
     "                      neither is given) or the largest pressure angle in degrees; in\n"
     "                      order with --set; places the points",
     [](BatchJob& job, const std::string& text) {
         job.autofill = true;
         job.actions.push_back({kOptionPhase, [text, notes = job.notes](ParamSet& p) {
                                    notes->push_back(applySynthesisOption(p, text));
                                }});
     }},
    {"--optimise", "FIGURE",
     "search the --vary ranges for the design with the best key FIGURE (md pmean\n"
     "                      flywheel fa fo fb mo stroke speed acceleration nb pressure) under\n"
     "                      every --constraint, the crank turning fully; writes --save-project\n"
     "                      and --history alone",
     [](BatchJob& job, const std::string& text) {
         job.optimise = true;
         job.optimisePlan.figure = text;
     }},
    {"--vary", "KEY=LO:HI", "a parameter --optimise varies, between LO and HI",
     [](BatchJob& job, const std::string& text) {
         job.optimisePlan.variables.push_back(parseVaryOption(text));
     }},
    {"--constraint", "FIGURE<=V|FIGURE>=V|FIGURE=V[:TOL]",
     "a bound:\n"
     "                      a key figure's bound for --optimise (an equality holds within TOL,\n"
     "                      by default 1e-9 of max(1, |V|))",
     [](BatchJob& job, const std::string& text) {
         job.optimisePlan.constraints.push_back(parseConstraintOption(text));
     }},
    {"--max-evals", "N", "the runs --optimise may make in all (default 500)",
     [](BatchJob& job, const std::string& text) {
         job.optimisePlan.maxEvaluations = parseMaxEvalsOption(text);
     }},
    {"--history", "FILE|-", "write every run of --optimise as CSV",
     [](BatchJob& job, const std::string& path) { job.history = path; }},
    {"--decimal-separator", "C",
     "separator of reports, listings, animation file: . or , (default: the locale's)",
     [](BatchJob& job, const std::string& text) { job.separator = separatorOption(text); }},
    {"--help", nullptr, "print this text",
     [](BatchJob& job, const std::string&) { job.help = true; }},
    {"--version", nullptr, "print the program's name, version and licence",
     [](BatchJob& job, const std::string&) { job.version = true; }},
};

std::string usage()
{
    std::ostringstream s;
    s << "Usage: " << kProgram;
    for (const BatchOption& o : kOptions) {
        s << " [" << o.name;
        if (o.value) s << ' ' << o.value;
        s << ']';
        if (std::string_view(o.name) == "--set" || std::string_view(o.name) == "--sweep")
            s << "...";
    }
    s << "\nRuns one calculation of the slider-crank mechanism without a window.\n"
         "Parameters start at the defaults with every point coordinate 0, or at a "
         "project's.\n\nOptions:\n";
    for (const BatchOption& o : kOptions) {
        std::string head = std::string(o.name) + (o.value ? std::string(" ") + o.value : "");
        head.resize(std::max<size_t>(head.size() + 2, 20), ' ');
        s << "  " << head << o.help << '\n';
    }
    s << "\nKeys:";
    for (const ParamInfo& p : kParams)
        if (p.group != ParamGroup::Run) s << ' ' << p.key;
    s << "\n      motion (prescribed or true), drive (constant, motor or table),\n"
         "      step (degrees, a step the window offers: 1, 5, 10, 15, 30, 60, 0.5, 0.2,\n"
         "      0.1, 0.05 or 0.01), cycles (N = 24 * cycles + 1, at most 90000 steps),\n"
         "      mode (360 or 720: the rod's branch), period (360 or 720: the degrees a load\n"
         "      table by crank angle covers); delta is the speed fluctuation a flywheel is\n"
         "      sized for, between 0 and 1 (0.05; presses 0.1-0.2, engines 0.01-0.02).\n"
         "      Every value must lie within the range of a double.\n"
         "      Numbers take the period as decimal separator; reports (read and written),\n"
         "      listings and the animation file take --decimal-separator.\n"
         "\nOutputs: \"-\" as FILE is standard output, for one output at most; two outputs\n"
         "may not name one file. Every output is opened before any is written. Files are\n"
         "written in full to hidden temporary files beside them, then standard output is\n"
         "written, then the targets that cannot be replaced by a rename are written in place\n"
         "(devices and pipes, then a file whose folder refuses new files, a file with more than\n"
         "one link or whose owner cannot be kept), and last the temporary files are renamed\n"
         "over their targets, smallest first. A pipe that no process reads is refused. Outputs\n"
         "whose values a reader could not take back (beyond the range of a double, or an\n"
         "animation wider than the animator draws) are refused.\n"
         "\nExit status: 0 done; 2 bad input, or an output could not be written: no file was\n"
         "replaced, except when a target written in place fails: it is left partly written,\n"
         "and those written in place before it are new; 3 a stage failed (its message and\n"
         "where the run stopped on standard error; the outputs hold only the steps computed\n"
         "before the first fault), or the autofill\n"
         "failed (its message on standard error, nothing calculated or written), or\n"
         "--optimise found no design that meets its constraints. A sweep\n"
         "ends 0 when its rows are written, failed variants among them. A process\n"
         "killed while the temporary files are renamed leaves some outputs new and the others\n"
         "old; one killed earlier leaves every file as it was (SIGINT, SIGTERM and SIGHUP also\n"
         "remove the temporary files; others are removed by a later save into the folder once\n"
         "they are a day old).\n";
    return s.str();
}

BatchJob parseArgs(const std::vector<std::string>& args)
{
    BatchJob job;
    for (size_t a = 0; a < args.size(); ++a) {
        std::string name = args[a], value;
        bool joined = false; // "--csv=out.csv"
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            joined = true;
        }
        const auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                         [&](const BatchOption& o) { return name == o.name; });
        if (option == std::end(kOptions))
            throw BadInput{"unknown option '" + quoteText(args[a]) + "' (see --help)"};
        if (option->value && !joined) {
            if (a + 1 >= args.size()) throw BadInput{name + " needs " + option->value};
            value = args[++a];
        } else if (!option->value && joined) {
            throw BadInput{name + " takes no value"};
        }
        option->take(job, value);
    }
    const std::optional<std::string>* outputs[] = {
        &job.csv,     &job.kinetic, &job.report, &job.listing,
        &job.project, &job.summary, &job.pdf,    &job.history};
    const auto toStandardOutput = std::count_if(std::begin(outputs), std::end(outputs),
                                                [](const auto* o) { return *o == "-"; });
    if (toStandardOutput > 1) throw BadInput{"only one output can go to standard output (-)"};
    if (!job.sweep.axes.empty()) {
        job.sweep.autofill = job.sweepAutofill;
        if (!job.summary) throw BadInput{"--sweep needs --summary for its rows"};
        if (job.csv || job.kinetic || job.report || job.listing || job.project)
            throw BadInput{"--sweep writes --summary alone"};
    } else if (job.sweepAutofill || job.progress || job.shard || (job.jobs && !job.optimise)) {
        throw BadInput{"--sweep-autofill, --jobs, --progress and --shard need --sweep (--jobs "
                       "also goes with --optimise)"};
    }
    const OptimisePlan& plan = job.optimisePlan;
    if (!job.optimise && (job.history || !plan.variables.empty() || !plan.constraints.empty() ||
                          plan.maxEvaluations != OptimisePlan{}.maxEvaluations))
        throw BadInput{"--vary, --constraint, --max-evals and --history need --optimise"};
    if (job.optimise && (!job.sweep.axes.empty() || job.csv || job.kinetic || job.report || job.listing ||
                         job.summary || job.pdf))
        throw BadInput{"--optimise writes --save-project and --history alone"};
    job.optimisePlan.jobs = job.jobs;
    return job;
}

void applyParams(const BatchJob& job, ParamSet& p)
{
    std::vector<const ParamAction*> order;
    for (const ParamAction& a : job.actions)
        order.push_back(&a);
    std::stable_sort(order.begin(), order.end(), [](const ParamAction* x, const ParamAction* y) {
        return x->phase < y->phase;
    });
    for (const ParamAction* a : order)
        a->apply(p);
    // A project's table was checked against the project's period; a later --set or params file
    // may have changed the period, and a table outside it would be saved unreadable.
    if (const auto fault = checkLoadTable(p.load, p.period))
        throw BadInput{"the load table does not suit period " + std::to_string(p.period) +
                       ": point " + std::to_string(fault->point + 1) + ": " + fault->why};
}

// ---- Outputs -----------------------------------------------------------------------------

// The document's date, as the Russian title block writes it: "07.12.2026".
std::string todayText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

// The listing in pieces: the whole text of the largest run would be tens of megabytes.
void writeListing(TextWriter& w, const ResultsListing& listing)
{
    constexpr size_t kLinesAPiece = 4096;
    std::string piece;
    for (size_t first = 0; first < listing.lineCount(); first += kLinesAPiece) {
        piece.clear();
        appendLines(listing, first, std::min(listing.lineCount(), first + kLinesAPiece), kCrLf,
                    piece);
        w.writeRaw(piece);
    }
}

// Writes every output so that a failure replaces no file (app/BatchOutputs). p is the set the
// results were computed with; the results' outputs read only the steps computed (computedRun).
void writeOutputs(const BatchJob& job, const ParamSet& p, const ResultStore& R, std::ostream& out,
                  const BatchDocumentWriter& pdf)
{
    // The animation file, the report and the listing carry the chosen separator, as the window
    // writes them with the locale's; the CSV always takes the period.
    const char decimal = reportSeparator(job.separator);
    const ParamSet run = computedRun(R).value_or(p);
    GridText grid;
    ResultsListing listing(grid);
    if (job.report || job.listing) refreshResults(R, run.N, decimal, grid, listing);
    const struct {
        const char* option;
        const std::optional<std::string>& path;
        std::function<void(TextWriter&)> write;
    } wanted[] = {
        {"--csv", job.csv, [&](TextWriter& w) { writeResultCsv(R, run.N, w); }},
        {"--kinetic", job.kinetic, [&](TextWriter& w) { writeKinetic(w, run, R, decimal); }},
        {"--report", job.report, [&](TextWriter& w) { writeReport(w, run, grid, decimal); }},
        {"--listing", job.listing, [&](TextWriter& w) { writeListing(w, listing); }},
        {"--save-project", job.project,
         [&](TextWriter& w) {
             writeProject(w, Project{p, *job.variants, *job.charts, *job.comment});
         }},
        {"--summary", job.summary,
         [&](TextWriter& w) {
             w.writeRaw(
                 summaryJson(summarizeRun(R, run, run.N, summaryOptions(p, p.delta)), runStop(R)));
         }},
        {"--pdf", job.pdf,
         [&](TextWriter& w) {
             DocumentInput in;
             in.run = &p;
             in.store = &R;
             in.projectName = job.projectName;
             in.date = todayText();
             in.decimal = decimal;
             in.delta = p.delta;
             in.charts = *job.charts;
             in.variants = variantTable(*job.variants, std::nullopt, decimal);
             w.writeRaw(pdf(in));
         }},
    };
    std::vector<BatchOutput> outputs;
    for (const auto& o : wanted)
        if (o.path) outputs.push_back({o.option, *o.path, o.write});
    try {
        writeBatchOutputs(outputs, out);
    } catch (const BatchOutputFailure& e) {
        throw BadInput{e.message};
    }
}

} // namespace

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchDocumentWriter& pdf, bool errIsTerminal)
{
    BatchJob job;
    ParamSet p;
    try {
        job = parseArgs(args);
        if (job.help) {
            out << usage();
            return kBatchDone;
        }
        if (job.version) {
            out << kProgram << ' ' << kKinovarVersion << '\n' << kLicenceNotice;
            return kBatchDone;
        }
        if (job.pdf && !pdf) throw BadInput{"--pdf: this build does not draw documents"};
        setDefaults(p);
        applyParams(job, p);
        if (!loadFitsMechanism(p))
            throw BadInput{"--load: a load by the slider's position needs a crank that turns "
                           "fully (l1 > 0 and |b| <= l2 - l1)"};
        for (const std::string& note : *job.notes)
            err << kProgram << ": " << note << '\n';
    } catch (const BadInput& e) {
        err << kProgram << ": " << e.message << '\n';
        return kBatchBadInput;
    }

    // A mechanism the autofill cannot place is not calculated at all.
    if (job.autofill && !autofillPoints(p)) {
        err << autofillFaultText(p) << '\n';
        return kBatchStageFailed;
    }
    if (job.balance) {
        const std::optional<CounterweightChoice> choice = chooseCounterweight(p, *job.balance);
        if (!choice) {
            err << kProgram
                << ": --balance: the crank pin A lies on O: place the points (--autofill)\n";
            return kBatchBadInput;
        }
        p = withCounterweight(p, *choice);
    }
    if (job.optimise)
        return runBatchOptimise(job.optimisePlan, p,
                                {job.project, job.history,
                                 Project{p, *job.variants, *job.charts, *job.comment}},
                                out, err);
    if (!job.sweep.axes.empty()) {
        const bool report = job.progress || errIsTerminal;
        return runBatchSweep(job.sweep, job.shard.value_or(SweepShard{}), job.shard.has_value(),
                             job.jobs, p, *job.summary, out, err,
                             report ? sweepProgressReport(err, errIsTerminal) : SweepProgress{});
    }

    // Warnings, not refusals: the run goes ahead as the window's does after its boxes.
    const char decimal = reportSeparator(job.separator);
    if (const std::string points = pointMismatchText(checkPoints(p), decimal); !points.empty())
        err << kProgram << ": " << points << '\n';
    if (const auto jump = checkBranchJump(p))
        err << kProgram << ": " << branchJumpText(*jump, decimal) << '\n';

    const auto R = std::make_unique<ResultStore>();
    const CalcOutcome outcome = runCalculation(p, *R);
    const std::vector<StageFault> faults = stageFaults(outcome);
    // The angle is written as the reports and listings of this run write numbers.
    for (const StageFault& fault : faults)
        err << stageFaultText(fault.message, p, fault.step, reportSeparator(job.separator)) << '\n';
    const bool failed = !faults.empty();
    if (const std::string stop = runStopText(*R, reportSeparator(job.separator)); !stop.empty())
        err << kProgram << ": " << stop << '\n';

    // The report's layout has no place for the load: a project keeps it.
    if (job.report && p.load.active())
        err << kProgram
            << ": the report does not hold the working load; it is kept only in the "
               "project\n";

    try {
        // The outputs carry the parameters the results were computed with, as the window's do.
        writeOutputs(job, *R->computedWith(), *R, out, pdf);
    } catch (const BadInput& e) {
        err << kProgram << ": " << e.message << '\n';
        return kBatchBadInput;
    }
    return failed ? kBatchStageFailed : kBatchDone;
}

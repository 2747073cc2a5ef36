// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchJob.h"
#include "app/BatchOutputs.h"
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

#include "app/BatchMotion.h"
#include "base/BuildInfo.h"
#include "base/Errors.h"
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

constexpr const char* kProgram = kBatchProgram;
using BadInput = BatchBadInput;

// A project's title for the document: its file name without the folder and the suffix.
std::string projectTitle(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.size() > 8 && name.ends_with(".kinovar")) name.resize(name.size() - 8);
    return name;
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
    {"--sweep-autofill", nullptr,
     "place the points afresh for every value (every row) of the sweep",
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

} // namespace

std::string batchUsage()
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

BatchJob parseBatchArgs(const std::vector<std::string>& args)
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
    const std::optional<std::string>* outputs[] = {&job.csv,     &job.kinetic, &job.report,
                                                   &job.listing, &job.project, &job.summary,
                                                   &job.pdf,     &job.history};
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
    if (job.optimise && (!job.sweep.axes.empty() || job.csv || job.kinetic || job.report ||
                         job.listing || job.summary || job.pdf))
        throw BadInput{"--optimise writes --save-project and --history alone"};
    job.optimisePlan.jobs = job.jobs;
    return job;
}

char reportSeparator(char chosen)
{
    if (chosen) return chosen;
    return environmentDecimalSeparator() == ',' ? ',' : '.';
}

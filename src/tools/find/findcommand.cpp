// SPDX-License-Identifier: GPL-3.0-or-later
#include "findcommand.h"

#include "actorlist.h"
#include "searchattributes.h"
#include "searchcandidates.h"
#include "searchrun.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

std::optional<TDateTime> ParseDay(const QString& text) {
  const QDate day = QDate::fromString(text, Qt::ISODate);
  TDateTime value = 0;
  if (!day.isValid() || text.size() != 10 ||
      !DateTimeUtil::TryEncode(day.year(), day.month(), day.day(), 0, 0, 0, 0, value))
    return std::nullopt;
  return value;
}

}  // namespace

QString TFindCommand::Usage() {
  return QStringLiteral(
      "Usage:\n"
      "  zelvane-find FOLDER|- [--subfolders] [--hidden] [--name T] [--description T]\n"
      "               [--location T] [--from YYYY-MM-DD --to YYYY-MM-DD] [--actors \"A;B;\"]\n"
      "               [--all|--any]\n"
      "      Prints the photos of FOLDER (with --subfolders, of the folders below it\n"
      "      too; with --hidden, hidden files and folders as well) or of the paths on\n"
      "      standard input (-) whose stored attributes match,\n"
      "      one absolute path per line. Each option given takes part with its text as\n"
      "      given: --description \"\" finds photos without a description, --actors \"\"\n"
      "      photos without people. Names fold ASCII letters, dates are whole local days\n"
      "      (both included), --all (default) wants every actor, --any one of them.\n"
      "  zelvane-find --help\n"
      "\n"
      "Exit status: 0 when something matched, 1 when nothing did, 2 for wrong usage.\n");
}

QString TFindCommand::ParseCriteria(const QStringList& options, TSearchAttributes& c,
                                   SearchCandidates::TWalkOptions& walk) {
  using A = TSearchAttributes;
  walk = {};
  bool all = false, any = false;
  std::optional<TDateTime> from, to;
  for (int i = 0; i < options.size(); ++i) {
    const QString& option = options[i];
    if (option == QLatin1String("--subfolders")) {
      walk.Subfolders = true;
    } else if (option == QLatin1String("--hidden")) {
      walk.Hidden = true;
    } else if (option == QLatin1String("--all")) {
      all = true;
    } else if (option == QLatin1String("--any")) {
      any = true;
    } else {
      if (i + 1 >= options.size()) return QStringLiteral("option %1 needs a value").arg(option);
      const QString value = options[++i];
      if (option == QLatin1String("--name")) {
        c.Name = value;
        c.SetEnabled(A::CriterionName, true);
      } else if (option == QLatin1String("--description")) {
        c.Description = value;
        c.SetEnabled(A::CriterionDescription, true);
      } else if (option == QLatin1String("--location")) {
        c.Location = value;
        c.SetEnabled(A::CriterionLocation, true);
      } else if (option == QLatin1String("--actors")) {
        c.Actors = ActorList::Names(value);
        c.SetEnabled(A::CriterionActors, true);
      } else if (option == QLatin1String("--from") || option == QLatin1String("--to")) {
        const std::optional<TDateTime> day = ParseDay(value);
        if (!day) return QStringLiteral("%1 wants a date YYYY-MM-DD, not \"%2\"").arg(option, value);
        (option == QLatin1String("--from") ? from : to) = day;
      } else {
        return QStringLiteral("unknown option %1").arg(option);
      }
    }
  }
  if (all && any) return QStringLiteral("--all and --any exclude each other");
  c.AllActors = !any;
  if (from.has_value() != to.has_value()) return QStringLiteral("--from and --to go together");
  if (from) {
    if (*from > *to) return QStringLiteral("The enddate is smaller than the startdate.");
    c.StartDate = *from;
    c.EndDate = *to;
    c.SetEnabled(A::CriterionDate, true);
  }
  if (!c.AnyEnabled()) return QStringLiteral("No attributes checked to search.");
  return QString();
}

int TFindCommand::Run(const QStringList& args, QTextStream& in, QTextStream& out, QTextStream& err) {
  if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
    out << Usage();
    return ExitFound;
  }
  const auto usage = [&](const QString& problem) {
    err << "zelvane-find: " << problem << "\n\n" << Usage();
    return ExitUsage;
  };
  if (args.isEmpty()) return usage(QStringLiteral("no folder given"));
  const QString where = args.first();
  if (where.startsWith(QLatin1String("--"))) return usage(QStringLiteral("the first argument is FOLDER or -"));
  TSearchAttributes criteria;
  SearchCandidates::TWalkOptions walk;
  const QString problem = ParseCriteria(args.mid(1), criteria, walk);
  if (!problem.isEmpty()) return usage(problem);

  QStringList candidates;
  const QDir current = QDir::current();
  if (where == QLatin1String("-")) {
    if (walk.Subfolders) return usage(QStringLiteral("--subfolders does not go with -"));
    while (!in.atEnd()) {
      const QString line = in.readLine();
      if (!line.isEmpty()) candidates.append(current.absoluteFilePath(line));
    }
  } else {
    const QFileInfo folder(current.absoluteFilePath(where));
    if (!folder.isDir() || !folder.isReadable())
      return usage(QStringLiteral("%1 is not a folder that can be read").arg(where));
    candidates = SearchCandidates::Collect(folder.absoluteFilePath(), walk);
  }

  TSearchRun run(candidates, criteria);
  run.RunToEnd();
  for (const TSearchRun::TProblem& problem : run.Problems())
    err << "zelvane-find: " << problem.FileName << ": " << problem.Message << '\n';
  for (const QString& match : run.Matches()) out << match << '\n';
  return run.Matches().isEmpty() ? ExitNone : ExitFound;
}

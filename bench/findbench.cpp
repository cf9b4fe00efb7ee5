// SPDX-License-Identifier: GPL-3.0-or-later
#include "findbench.h"

#include "findcommand.h"
#include "searchattributes.h"
#include "searchcandidates.h"
#include "searchrun.h"

#include <QElapsedTimer>
#include <sys/resource.h>

QString RunFindBench(const QString& folder, QStringList options, TFindBenchResult& result) {
  bool fullDecode = false;
  int limit = -1;
  for (int i = 0; i < options.size(); ++i) {
    if (options[i] == QLatin1String("--full-decode")) {
      fullDecode = true;
      options.removeAt(i--);
    } else if (options[i] == QLatin1String("--limit") && i + 1 < options.size()) {
      bool ok = false;
      limit = options[i + 1].toInt(&ok);
      if (!ok || limit < 0) return QStringLiteral("--limit wants a count");
      options.remove(i, 2);
      --i;
    }
  }
  TSearchAttributes criteria;
  SearchCandidates::TWalkOptions walk;
  const QString problem = TFindCommand::ParseCriteria(options, criteria, walk);
  if (!problem.isEmpty()) return problem;

  QElapsedTimer clock;
  clock.start();
  QStringList candidates = SearchCandidates::Collect(folder, walk);
  if (limit >= 0 && candidates.size() > limit) candidates.resize(limit);
  TSearchRun run(candidates, criteria);
  run.FullDecode = fullDecode;
  run.RunToEnd();
  result.Seconds = clock.nsecsElapsed() / 1e9;
  result.Candidates = int(candidates.size());
  result.Matches = int(run.Matches().size());
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  result.PeakRssMiB = usage.ru_maxrss / 1024.0;
  return QString();
}

#pragma once
// The random learner: starts Kalkora as the executable does and acts as a learner would, at
// random but repeatably from a seed, checking after every action what must always hold.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>

namespace kalkora::learner {

struct LearnerOptions {
  std::uint32_t seed = 1;
  long actions = 5000;
  // Prints every action with its number before it is done.
  bool trace = false;
};

struct LearnerReport {
  long actionsDone = 0;
  // The first broken invariant and the number of the action after which it was seen.
  QString failure;
  long failedAction = 0;
  QStringList lastActions;  // the last actions before the failure, numbered
  int programStarts = 0;    // the program is started again after the learner ends it
  std::map<QString, long> kindsDone;
  std::map<QString, long> windowsShown;  // by window name
  // A fingerprint of the whole session's actions: two runs of a seed that agree did the same.
  std::uint64_t fingerprint = 0;
};

// Needs an application object set up by PrepareApplication; starts and ends the program
// itself (again whenever the learner ends it), on the platform the application has.
LearnerReport RunRandomLearner(const LearnerOptions& options);

// The report as the tool prints it: counts, the failure and how to replay it.
QString Describe(const LearnerOptions& options, const LearnerReport& report);

}  // namespace kalkora::learner

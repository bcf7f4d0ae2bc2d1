#pragma once

#include "data/DataFileObserver.h"
#include "data/GameTables.h"
#include "vexacheck/Finding.h"
#include "vexacheck/SkillLines.h"

// Turns what the reader tells about each line into findings, and keeps what
// the checks of the filled tables need: the line of every stored skill and the
// first line of each name section.
class ReaderFindings : public DataFileObserver {
 public:
  explicit ReaderFindings(Findings& findings) : findings(findings) {}

  void OnLine(int line, std::string_view bytes) override;
  void OnSection(int line, int section) override;
  void OnSkillStored(int line, int section) override;
  void OnFault(int line, LineReport report) override;

  // Ends the last section; call once the read is over.
  void Finish();

  const SkillLineTable& SkillLines() const { return skillLines; }
  // The first header line of the type-name or job-name section, or 0.
  int TypeNameHeader() const { return typeNameHeader; }
  int JobNameHeader() const { return jobNameHeader; }

 private:
  void Add(int line, Finding::Severity severity, std::string message);
  void CloseSection();

  Findings& findings;
  SkillLineTable skillLines;
  int typeNameHeader = 0;
  int jobNameHeader = 0;
  int openSection = -1;  // the skill list of the last header, or -1
  int openHeader = 0;
  bool openHasSkills = false;
};

#pragma once

#include <string>
#include <string_view>

#include "data/DataFileObserver.h"
#include "data/GameTables.h"

// Reads the game data file into the tables (GameTables holds the program's). Give it the
// three tables, in this order, then call readFile (or readText) once. An
// observer, if one is given, is told what the reader drops and why; the
// program gives none.
class DataFileReader {
 public:
  static constexpr int kNoSection = -1;
  static constexpr int kTypeNameSection = 50;
  static constexpr int kJobNameSection = 51;

  void setTypeNames(TypeNameTable& names);
  void setJobNames(JobNameTable& names);
  void setSkillLists(SkillListTable& lists);
  void setObserver(DataFileObserver& lineObserver);

  // true when the file was read to its end; false when it is no file on a
  // disk, is larger than kDataFileLimit, cannot be read or its tables outgrow
  // the memory, when a header names no section (what was stored before
  // stays), or when a table was not given.
  bool readFile(const std::string& fileName);
  // The same for the file's text already in memory.
  bool readText(std::string_view text);

  // The section of a header line "[name]": a skill list index 0 to 48,
  // kTypeNameSection, kJobNameSection, or kNoSection.
  static int sectionIndex(std::string_view headerLine);

  // The glyph of a character type index and the job key of a type and slot,
  // as the name sections spell them; nullptr where there is none.
  static const char* typeGlyph(int type);
  static const char* jobKey(int type, int slot);

  // Cleans one data line in place (tabs to blanks, blanks off the ends, comment
  // dropped) and hands what is left to handleEntry. true for a skipped line.
  bool handleLine(int section, std::string& line);

  // Stores one cleaned line in the section's table. false for a malformed
  // skill line, an unknown section or a table that was not given.
  bool handleEntry(int section, std::string_view content);

 private:
  // One line as read; false when it is a header that ends the read.
  bool HandleFileLine(std::string& line);
  void ReportStrayLine(std::string& line);
  // Tells the observer of a fault; false when the fault ends the read.
  bool Report(LineReport report) const;
  void SetTypeName(std::string_view content);
  void SetJobName(std::string_view content);

  TypeNameTable* typeNames = nullptr;
  JobNameTable* jobNames = nullptr;
  SkillListTable* skillLists = nullptr;
  DataFileObserver* observer = nullptr;
  int currentSection = kNoSection;
  int lineNumber = 0;
};

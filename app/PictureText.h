#pragma once

#include <string>
#include <vector>

#include "plan/PlanOverview.h"

// What a picture of the plan names, as the main window's selection shows it.
struct PictureSubject {
  std::string type;                     // the set type's name
  std::string job;                      // the set job button's label
  std::vector<std::string> attributes;  // the set boxes that count for the plan
};

// The type, the job and the attributes, empty parts left out.
std::string PictureTitle(const PictureSubject& subject);

// "<type>_<job>.png", each character that Windows forbids in a file name
// replaced by '_'; a Shift-JIS character whose second byte is one of them
// stays whole.
std::string PictureFileName(const PictureSubject& subject);

// The overview's figures, each "label value".
std::vector<std::string> PictureFigures(const PlanOverview& overview);

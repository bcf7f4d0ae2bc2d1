// Writes the step-button bitmaps of every set (step<dpi>_<index>.bmp) with
// StepBitmaps.rc, the resource lines naming them, program.ico and the plug-in's
// emblem strip emblems.bmp into the folder given as the only argument.
#include "BmpWriter.h"
#include "EmblemImage.h"
#include "IcoWriter.h"
#include "ProgramIcon.h"
#include "StepButtonImage.h"
#include "res/StepImages.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) std::fprintf(stderr, "imagegen: cannot write %s\n", path.c_str());
  return static_cast<bool>(file);
}

bool WriteBmp16(const std::string& path, const imagegen::RgbImage& image) {
  const auto bmp = imagegen::EncodeBmp16(image);
  if (!bmp) std::fprintf(stderr, "imagegen: %s would need more than 16 colours\n", path.c_str());
  return bmp && WriteFile(path, *bmp);
}

// Draws every set and lists each bitmap under its resource id, so that the
// sets stand once, in res/StepImages.h.
bool WriteStepImages(const std::string& folder) {
  std::string resources;
  for (int set = 0; set < stepimages::kSetCount; ++set) {
    const int dpi = stepimages::kSetDpis[set];
    for (int index = 0; index < stepimages::kCount; ++index) {
      const std::string name = "step" + std::to_string(dpi) + "_" + std::to_string(index) + ".bmp";
      if (!WriteBmp16(folder + "/" + name, imagegen::BuildStepButtonImage(index, dpi)))
        return false;
      resources += "IDB_STEP(" + std::to_string(set) + ", " + std::to_string(index) +
                   ") BITMAP \"" + name + "\"\n";
    }
  }
  return WriteFile(folder + "/StepBitmaps.rc",
                   std::vector<std::uint8_t>(resources.begin(), resources.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: imagegen OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  if (!WriteStepImages(folder)) return 1;
  if (!WriteBmp16(folder + "/emblems.bmp", imagegen::BuildEmblemStrip())) return 1;
  const auto ico = imagegen::EncodeIco({imagegen::BuildProgramIcon(imagegen::kIconSmallSide),
                                        imagegen::BuildProgramIcon(imagegen::kIconLargeSide)});
  return WriteFile(folder + "/program.ico", ico) ? 0 : 1;
}

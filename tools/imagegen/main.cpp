// Writes the step-button bitmaps step0.bmp to step15.bmp, program.ico and the
// plug-in's emblem strip emblems.bmp into the folder given as the only argument.
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: imagegen OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (int index = 0; index < stepimages::kCount; ++index)
    if (!WriteBmp16(folder + "/step" + std::to_string(index) + ".bmp",
                    imagegen::BuildStepButtonImage(index)))
      return 1;
  if (!WriteBmp16(folder + "/emblems.bmp", imagegen::BuildEmblemStrip())) return 1;
  const auto ico = imagegen::EncodeIco({imagegen::BuildProgramIcon(imagegen::kIconSmallSide),
                                        imagegen::BuildProgramIcon(imagegen::kIconLargeSide)});
  return WriteFile(folder + "/program.ico", ico) ? 0 : 1;
}

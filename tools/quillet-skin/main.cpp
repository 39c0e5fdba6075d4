// quillet-skin: pack, unpack, inspect, check and render skins for Quillet.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "framework/Bmp.h"
#include "framework/Exceptions.h"
#include "framework/IniFiles.h"
#include "framework/Utf.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataArchive.h"
#include "tools/quillet-skin/FrameRender.h"
#include "tools/quillet-skin/SkinCheck.h"

namespace {

namespace fs = std::filesystem;

enum ExitCode { kOk = 0, kUsage = 1, kFailed = 2, kFindings = 3 };

const char* const kHelp =
    "usage: quillet-skin <command> [arguments]\n"
    "\n"
    "commands:\n"
    "  pack <skin.ini> -o <file>   pack a skin folder (skin.ini and its BMP files) into a\n"
    "                              compressed skin file (version, length, zlib stream)\n"
    "  unpack <file> -o <dir>      write a compressed skin's pictures and skin.ini to <dir>\n"
    "  info <file>                 versions, pictures (size, depth), objects and controls\n"
    "                              with their record classes\n"
    "  check <skin.ini|file>       report what the loader would default or reject: missing\n"
    "                              sections, picture indexes out of range, rectangles outside\n"
    "                              their picture, malformed values (with section and key)\n"
    "  render <skin.ini|file> --size WxH [--inactive] [--rolled-up] -o <frame.png>\n"
    "                              draw the skinned frame, caption buttons and client\n"
    "                              background of a window of that size (no caption text);\n"
    "                              outside the window region the PNG is transparent;\n"
    "                              --rolled-up makes the window its frame's height\n"
    "  --help                      this text\n"
    "\n"
    "exit codes:\n"
    "  0  success; for check: nothing to report\n"
    "  1  usage error (unknown command, missing argument)\n"
    "  2  failure: a file cannot be read or written, the skin is corrupt, or (check)\n"
    "     the loader would reject the skin\n"
    "  3  check only: warnings, the loader would fall back to defaults\n"
    "\n"
    "messages go to standard error as 'quillet-skin: <message>'; check prints one line per\n"
    "finding to standard output: 'error|warning: [section] key: message'.\n";

int Fail(const std::string& message) {
  std::cerr << "quillet-skin: " << message << "\n";
  return kFailed;
}

std::string Depth(const fw::TBitmap& b) { return std::to_string(fw::BitsPerPixel(b.PixelFormat())) + "-bit"; }

std::string Describe(const fw::TBitmap& b) {
  return b.Empty() ? "none" : std::to_string(b.Width()) + "x" + std::to_string(b.Height()) + " " + Depth(b);
}

// Reads a compressed skin file; the archive and envelope version come back.
sk::TskSkinArchive ReadSkinFile(const fs::path& file, int32_t& envelopeVersion) {
  {
    fw::TFileStream stream(file, fw::TFileMode::fmOpenRead);
    envelopeVersion = stream.ReadValue<int32_t>();
  }
  sk::TskCompressedStoredSkin skin(nullptr);
  skin.ImportCompressedSkinFile(file);
  if (skin.IsEmpty()) {
    throw sk::ESkinArchiveError(L"unsupported envelope version " + std::to_wstring(envelopeVersion) +
                                L" or no skin data");
  }
  fw::TMemoryStream stream;
  skin.DecompressSkin(stream);
  stream.SetPosition(0);
  sk::TskSkinArchive archive = sk::ReadSkinArchive(stream);
  if (archive.Version > sk::kSkinArchiveVersion) {
    // The program stops loading such a skin without a word: say it here.
    throw sk::ESkinArchiveError(L"archive version " + std::to_wstring(archive.Version) + L" is newer than " +
                                std::to_wstring(sk::kSkinArchiveVersion) + L": the program would load no skin");
  }
  return archive;
}

fw::TMemIniFile IniOfText(const std::string& text) {
  fw::TStringList lines;
  lines.SetText(text);
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  return ini;
}

int Pack(const fs::path& ini, const fs::path& out) {
  sk::TskCompressedStoredSkin skin(nullptr);
  skin.ImportSkinFolder(ini);
  if (skin.IsEmpty()) {
    return Fail(ini.string() +
                ": a required section is missing ([VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS], [SKINCONTROLS])");
  }
  fw::TFileStream stream(out, fw::TFileMode::fmCreate);
  skin.WriteSkinEnvelope(stream);
  return kOk;
}

// A file name taken from a skin is used only as a bare name inside `dir`.
fs::path SafeName(const std::string& name, const std::string& fallback) {
  const fs::path bare = fs::path(name).filename();
  if (name.empty() || bare.empty() || bare == "." || bare == ".." || bare.string() != name) return fallback;
  return bare;
}

int Unpack(const fs::path& file, const fs::path& dir) {
  int32_t envelopeVersion = 0;
  const sk::TskSkinArchive archive = ReadSkinFile(file, envelopeVersion);
  const fw::TMemIniFile ini = IniOfText(archive.Text);
  fs::create_directories(dir);
  const auto save = [&](const fw::TBitmap& b, const std::string& key, const std::string& fallback) {
    if (b.Empty()) return;
    fw::SaveBmpFile(b, dir / SafeName(ini.ReadString("PICTURES", key, ""), fallback));
  };
  save(archive.Picture, "picture", "picture.bmp");
  save(archive.InactivePicture, "inactivepicture", "inactivepicture.bmp");
  save(archive.Mask, "mask", "mask.bmp");
  for (size_t i = 0; i < archive.ActivePictures.size(); ++i) {
    save(archive.ActivePictures[i], std::to_string(i), "active" + std::to_string(i) + ".bmp");
  }
  fw::WriteFileBytes(dir / "skin.ini", archive.Text.data(), archive.Text.size());
  return kOk;
}

int Info(const fs::path& file) {
  int32_t envelopeVersion = 0;
  const sk::TskSkinArchive archive = ReadSkinFile(file, envelopeVersion);
  std::cout << "envelope version: " << envelopeVersion << "\n"
            << "archive version: " << archive.Version << "\n"
            << "picture: " << Describe(archive.Picture) << "\n"
            << "inactivepicture: " << Describe(archive.InactivePicture) << "\n"
            << "mask: " << Describe(archive.Mask) << "\n"
            << "active pictures: " << archive.ActivePictures.size() << "\n";
  for (size_t i = 0; i < archive.ActivePictures.size(); ++i) {
    std::cout << "  " << i << ": " << Describe(archive.ActivePictures[i]) << "\n";
  }
  // The records as the skin data builds them.
  sk::TskCompressedStoredSkin stored(nullptr);
  stored.ImportCompressedSkinFile(file);
  sk::TskSkinData data(nullptr);
  data.LoadFromStoredSkin(stored);
  std::cout << "skin name: " << data.SkinName() << "\n"
            << "objects: " << data.ObjectCount() << "\n";
  for (int i = 0; i < data.ObjectCount(); ++i) {
    const auto* type = sk::SkinRecordTypeOf(*data.ObjectList(i));
    std::cout << "  " << data.ObjectList(i)->SectionName << ": " << (type ? type->className : "?") << "\n";
  }
  std::cout << "controls: " << data.ControlCount() << "\n";
  for (int i = 0; i < data.ControlCount(); ++i) {
    const auto* type = sk::SkinRecordTypeOf(*data.CtrlList(i));
    std::cout << "  " << data.CtrlList(i)->SectionName << ": " << (type ? type->className : "?") << "\n";
  }
  return kOk;
}

skintool::PictureSizes SizesOf(const sk::TskSkinArchive& archive) {
  skintool::PictureSizes sizes;
  sizes.main = {archive.Picture.Width(), archive.Picture.Height()};
  for (const auto& b : archive.ActivePictures) sizes.active.push_back({b.Width(), b.Height()});
  return sizes;
}

int Check(const fs::path& path) {
  std::vector<skintool::Finding> findings;
  std::string text;
  skintool::PictureSizes sizes;
  const bool isIni = path.extension() == ".ini" || path.extension() == ".INI";
  if (isIni) {
    const auto bytes = fw::ReadFileBytes(path);
    text.assign(bytes.begin(), bytes.end());
    const fw::TMemIniFile ini = IniOfText(text);
    // The pictures are read as the packer would: a missing file is an error.
    const fs::path folder = path.parent_path();
    const auto picture = [&](const std::string& key) -> fw::TPoint {
      const std::string name = ini.ReadString("PICTURES", key, "");
      if (name.empty()) return {};
      try {
        const fw::TBitmap b = fw::LoadBmpFile(folder / name);
        return {b.Width(), b.Height()};
      } catch (const fw::Exception& e) {
        findings.push_back({true, "PICTURES", key, name + ": " + fw::WideToUtf8(e.Message())});
        return {};
      }
    };
    sizes.main = picture("picture");
    picture("inactivepicture");
    picture("mask");
    // The packer loads every counted picture and fails at the first name
    // that is missing, so the check stops there too.
    const int count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
    for (int i = 0; i < count; ++i) {
      const std::string key = std::to_string(i);
      if (ini.ReadString("PICTURES", key, "").empty()) {
        findings.push_back({true, "PICTURES", key,
                            "activepicturescount is " + std::to_string(count) + " but picture " + key +
                                " has no name: the skin cannot be packed"});
        break;
      }
      sizes.active.push_back(picture(key));
    }
  } else {
    int32_t envelopeVersion = 0;
    try {
      const sk::TskSkinArchive archive = ReadSkinFile(path, envelopeVersion);
      text = archive.Text;
      sizes = SizesOf(archive);
    } catch (const fw::Exception& e) {
      std::cout << "error: " << fw::WideToUtf8(e.Message()) << "\n";
      return kFailed;
    }
  }
  const auto more = skintool::CheckDescription(IniOfText(text), sizes, isIni);
  findings.insert(findings.end(), more.begin(), more.end());
  bool errors = false;
  for (const auto& f : findings) {
    errors = errors || f.error;
    std::cout << (f.error ? "error: [" : "warning: [") << f.section << "]" << (f.key.empty() ? "" : " " + f.key) << ": "
              << f.message << "\n";
  }
  return errors ? kFailed : findings.empty() ? kOk : kFindings;
}

// Loads a skin folder (skin.ini) or a compressed skin file as the program would.
void LoadSkin(const fs::path& path, sk::TskSkinData& data) {
  sk::TskCompressedStoredSkin stored(nullptr);
  if (path.extension() == ".ini" || path.extension() == ".INI") {
    stored.ImportSkinFolder(path);
  } else {
    stored.ImportCompressedSkinFile(path);
  }
  if (stored.IsEmpty()) throw sk::ESkinArchiveError(L"no skin to render");
  data.LoadFromStoredSkin(stored);
  if (data.Empty()) throw sk::ESkinArchiveError(L"the skin did not load");
}

// "WxH", both at least 1.
bool ParseSize(const std::string& text, int& width, int& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return false;
  try {
    size_t used = 0;
    width = std::stoi(text.substr(0, x), &used);
    if (used != x) return false;
    height = std::stoi(text.substr(x + 1), &used);
    if (used != text.size() - x - 1) return false;
  } catch (const std::exception&) {
    return false;
  }
  return width > 0 && height > 0;
}

// "<command> <input> [--size WxH] [--inactive] [--rolled-up] [-o <output>]"
struct Args {
  std::string command, input, output, size;
  bool inactive = false, rolledUp = false;
};

int Render(const Args& args) {
  skintool::RenderOptions options;
  if (!ParseSize(args.size, options.width, options.height)) {
    std::cerr << "quillet-skin: render needs --size WxH (for example --size 679x565)\n";
    return kUsage;
  }
  options.inactive = args.inactive;
  options.rolledUp = args.rolledUp;
  sk::TskSkinData data(nullptr);
  LoadSkin(args.input, data);
  skintool::WritePng(skintool::RenderFrame(data, options), args.output);
  return kOk;
}

bool Parse(int argc, char** argv, Args& args) {
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-o" || a == "--size") {
      if (++i >= argc) return false;
      (a == "-o" ? args.output : args.size) = argv[i];
    } else if (a == "--inactive") {
      args.inactive = true;
    } else if (a == "--rolled-up") {
      args.rolledUp = true;
    } else {
      rest.push_back(a);
    }
  }
  if (rest.size() != 2) return false;
  args.command = rest[0];
  args.input = rest[1];
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kHelp;
    return kOk;
  }
  Args args;
  if (!Parse(argc, argv, args)) {
    std::cerr << kHelp;
    return kUsage;
  }
  const bool needsOutput = args.command == "pack" || args.command == "unpack" || args.command == "render";
  if (args.command != "render" && (!args.size.empty() || args.inactive || args.rolledUp)) {
    std::cerr << "quillet-skin: --size, --inactive and --rolled-up belong to render\n" << kHelp;
    return kUsage;
  }
  if (needsOutput == args.output.empty()) {
    std::cerr << "quillet-skin: " << (needsOutput ? "missing -o <output>" : "unexpected -o") << "\n" << kHelp;
    return kUsage;
  }
  try {
    if (args.command == "pack") return Pack(args.input, args.output);
    if (args.command == "unpack") return Unpack(args.input, args.output);
    if (args.command == "info") return Info(args.input);
    if (args.command == "check") return Check(args.input);
    if (args.command == "render") return Render(args);
  } catch (const fw::Exception& e) {
    return Fail(args.input + ": " + fw::WideToUtf8(e.Message()));
  } catch (const std::exception& e) {
    return Fail(args.input + ": " + e.what());
  }
  std::cerr << "quillet-skin: unknown command '" << args.command << "'\n" << kHelp;
  return kUsage;
}

// Peak memory of the kitchen meeting crafted files, each case in a process of its own on the
// offscreen platform: a box whose dish names are many spellings of one picture or reach out
// of the picture folder, a dish of 20000 x 20000, a scale of 1e-300, a 42 MB NV.nvb of line
// breaks, NV.ini layout keys at the ends of an int, a 1-bit picture of 32768 x 8192, and a
// progressive JPEG of 486 scans at 6400 x 6400 in the picture viewer.
//   bench_crafted_files DIST_FOLDER [CASE]
// prints "case <tab> peak RSS MB <tab> seconds" for every case (or the one named).
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_save.h"
#include "bento/resipi_form3.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"
#include "progressive_jpeg.h"

namespace fs = std::filesystem;

namespace {

class Silent : public nv::Prompt {
 public:
  nv::Answer messageBox(const std::string&, const std::string&, nv::Icon, nv::Buttons b) override {
    return b == nv::Buttons::YesNo || b == nv::Buttons::YesNoCancel ? nv::Answer::No
                                                                    : nv::Answer::Ok;
  }
  void message(const std::string&) override {}
  std::unique_ptr<nv::Progress> progress(const std::string&, int64_t, int64_t) override {
    struct None : nv::Progress {
      void setPosition(int64_t) override {}
    };
    return std::make_unique<None>();
  }
};

void put(const std::string& path, const std::string& bytes) {
  if (!nv::writeFileAtomic(path, bytes)) std::fprintf(stderr, "cannot write %s\n", path.c_str());
}

std::string box(double scale, const nv::PlacedDishRecords& dishes) {
  return nv::bentoSaveBytes(nv::TKojinData(), scale, dishes);
}

// A 1-bit bitmap of w x h whose pixels are all there.
std::string oneBitBomb(uint32_t w, uint32_t h) {
  nv::ByteWriter out;
  const uint32_t stride = (w + 31) / 32 * 4, offset = 14 + 40 + 8;
  out.bytes("BM");
  for (uint32_t v : {offset + stride * h, 0u, offset, 40u, w, h}) out.int32(int32_t(v));
  out.bytes(std::string("\x01\x00\x01\x00", 4));
  for (int i = 0; i < 6; ++i) out.int32(0);
  out.int32(0);
  out.int32(0x00FFFFFF);
  std::string bytes = std::move(out.data());
  bytes.append(size_t(stride) * h, '\x55');
  return bytes;
}

struct Case {
  const char* name;
  // Prepares the program folder; then acts on the kitchen built over it.
  std::function<void(const std::string& folder)> prepare;
  std::function<void(nv::TBentoubakoForm& kitchen, const std::string& folder)> act;
};

void openBox(nv::TBentoubakoForm& k, const std::string& folder) {
  k.loadFile(folder + "/crafted.nvub");
}

std::vector<Case> cases() {
  return {
      {"names (1000 spellings, ../, FIFO)",
       [](const std::string& f) {
         nv::PlacedDishRecords dishes;
         std::string spelling = "daidokoro/";
         for (int i = 0; i < 998; ++i, spelling += "./")
           dishes.push_back({spelling + nv::sj("台所"), 10, 10, 64, 64});
         dishes.push_back({"../../../../../../../tmp/x", 10, 10, 64, 64});
         dishes.push_back({"fifo", 10, 10, 64, 64});
         ::mkfifo(nv::toFsPath(f + "/bentou/fifo.bmp").c_str(), 0600);
         put(f + "/crafted.nvub", box(1.0, dishes));
       },
       openBox},
      {"rectangle 20000 x 20000",
       [](const std::string& f) {
         put(f + "/crafted.nvub", box(1.0, {{nv::sj("ごはん"), 0, 0, 20000, 20000}}));
       },
       openBox},
      {"scale 1e-300",
       [](const std::string& f) {
         put(f + "/crafted.nvub", box(1e-300, {{nv::sj("ごはん"), 1, 1, 64, 64}}));
       },
       openBox},
      {"NV.nvb of 42 MB line breaks",
       [](const std::string& f) {
         std::string nvb;
         nv::readFile(f + "/NV.nvb", nvb);
         nv::TFoodData foods;
         nv::TDaidokoro k;
         nv::ByteReader in(nvb);
         (void)foods.readSection(in, nullptr);
         nv::ByteWriter out;
         foods.writeSection(out);
         for (int list = 0; list < 3; ++list) out.int32(0);
         out.int32(42000);
         for (int d = 0; d < 42000; ++d) {
           out.int32(d);
           out.int32(0);
           out.int32(0);
           out.int32(0);
           out.f64(0);
           out.f64(1);
           out.int32(0);
           out.int32(0);
           out.int32(0);
           out.int32(0);
           out.int32(1000);
           out.bytes(std::string(1000, '\n'));
         }
         fs::remove(nv::toFsPath(f + "/NV.nvb"));
         put(f + "/NV.nvb", out.data());
       },
       [](nv::TBentoubakoForm&, const std::string&) {}},
      {"NV.ini raLeft=2147483647, iRight=iBottom=12000",
       [](const std::string& f) {
         nv::Ini ini(f + "/NV.ini");
         for (const char* key : {"raLeft", "raTop"})
           ini.writeInteger(nv::sj("冷蔵庫"), key, INT32_MAX);
         ini.writeInteger(nv::sj("冷蔵庫"), "iRight", 12000);
         ini.writeInteger(nv::sj("冷蔵庫"), "iBottom", 12000);
         ini.save();
       },
       [](nv::TBentoubakoForm& k, const std::string&) {
         k.switchToWorkingView();
         k.openAppliance(nv::LayoutSection::Refrigerator);
       }},
      {"1-bit picture 32768 x 8192 (33.5 MB) as the refrigerator",
       [](const std::string& f) {
         const std::string pictures = f + "/pictures";
         fs::create_directories(nv::toFsPath(pictures + "/daidokoro"));
         put(pictures + nv::sj("/daidokoro/冷蔵庫２.bmp"), oneBitBomb(32768, 8192));
         nv::Ini ini(f + "/NV.ini");
         ini.writeString("Bentoubako", "BmpFolder", pictures + "/");
         ini.save();
       },
       [](nv::TBentoubakoForm& k, const std::string&) {
         k.switchToWorkingView();
         k.openAppliance(nv::LayoutSection::Refrigerator);
       }},
      {"progressive JPEG 6400 x 6400, 486 scans, in the viewer",
       [](const std::string& f) {
         put(f + "/scans.jpg", nvtest::progressiveGreyJpeg(6400, 6400, 486));
       },
       [](nv::TBentoubakoForm&, const std::string& f) {
         std::string error;
         nv::loadViewerPictureOffThread(f + "/scans.jpg", &error);
         std::fprintf(stderr, "  viewer: %s\n", error.empty() ? "shown" : error.c_str());
       }},
  };
}

int runCase(const Case& c, const std::string& dist) {
  char tmpl[] = "/tmp/nv_crafted.XXXXXX";
  const std::string folder = mkdtemp(tmpl);
  for (const char* entry : {"bmp", "HTML"})
    fs::create_directory_symlink(fs::path(dist) / entry, fs::path(folder) / entry);
  fs::create_directory(fs::path(folder) / "bentou");
  for (const auto& e : fs::directory_iterator(fs::path(dist) / "bentou"))
    fs::create_symlink(e.path(), fs::path(folder) / "bentou" / e.path().filename());
  fs::copy_file(fs::path(dist) / "NV.nvb", fs::path(folder) / "NV.nvb");
  nv::setProgramFolder(folder);
  c.prepare(folder);

  const pid_t child = ::fork();
  if (child == 0) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "bench_crafted_files";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const auto t0 = std::chrono::steady_clock::now();
    {
      nv::TKojinData profile;
      nv::TGunName gunName;
      nv::TBentoubakoForm kitchen(profile, gunName, nv::sj("host"), QSize(1920, 1080));
      kitchen.show();
      QApplication::processEvents();
      c.act(kitchen, folder);
      QApplication::processEvents();
      kitchen.setModified(false);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    std::printf("%s\t%.0f MB\t%.2f s\n", c.name, double(u.ru_maxrss) / 1024.0, seconds);
    std::fflush(stdout);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::printf("%s\tended by %s\n", c.name,
                WIFSIGNALED(status) ? strsignal(WTERMSIG(status)) : "an error");
  fs::remove_all(folder);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_crafted_files DIST_FOLDER [CASE]\n");
    return 2;
  }
  static Silent silent;
  nv::setPrompt(&silent);
  for (const Case& c : cases())
    if (argc < 3 || std::strstr(c.name, argv[2])) runCase(c, argv[1]);
  return 0;
}

// The lunch box without its window: edits and the changed mark, a new box, saving and reading
// back, and failures that must leave the box as it was.
#include "bento/lunch_box_document.h"

#include <gtest/gtest.h>

#include "core/kojin_data.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace {

using nv::sj;

struct Seen {
  int modified = 0, files = 0, dishes = 0, resets = 0;
  explicit Seen(nv::LunchBoxDocument& doc) {
    QObject::connect(&doc, &nv::LunchBoxDocument::modifiedChanged, [this](bool) { ++modified; });
    QObject::connect(&doc, &nv::LunchBoxDocument::fileNameChanged, [this] { ++files; });
    QObject::connect(&doc, &nv::LunchBoxDocument::dishesChanged, [this] { ++dishes; });
    QObject::connect(&doc, &nv::LunchBoxDocument::boxReset, [this] { ++resets; });
  }
};

TEST(LunchBoxDocument, EditsSaveNewAndLoadBack) {
  nvtest::TempDir dir;
  nv::TKojinData child;
  child.setName(sj("はなこ"));
  nv::LunchBoxDocument doc(child, sj("host"));
  Seen seen(doc);
  EXPECT_EQ(doc.fileName(), nv::defaultBentoSaveName());
  EXPECT_FALSE(doc.isModified());

  const int32_t rice = doc.addDish(sj("ごはん"), {10, 20, 74, 68});
  const int32_t egg = doc.addDish(sj("たまご"), {100, 20, 132, 52});
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(seen.modified, 1);  // told once, not per dish
  doc.moveDish(rice, {12, 22, 76, 70});
  doc.bringToFront(rice);
  ASSERT_EQ(doc.dishNames(), (nv::NameList{sj("たまご"), sj("ごはん")}));
  EXPECT_EQ(seen.dishes, 4);

  const std::string path = dir.file("はなこ.nvub");
  doc.setFileName(path);
  ASSERT_TRUE(doc.save(1.0).ok());
  EXPECT_FALSE(doc.isModified());
  EXPECT_TRUE(nv::fileExists(path));

  doc.newBox();
  EXPECT_TRUE(doc.dishes().empty());
  EXPECT_EQ(child.name(), sj("host"));
  EXPECT_EQ(doc.fileName(), nv::defaultBentoSaveName());
  EXPECT_FALSE(doc.isModified());

  // Read back at another scale, each dish placed by the caller's layout.
  const nv::Result read = doc.load(path, 2.0, [](const nv::PlacedDishRecord& r) {
    return nv::KRect{r.left + 1, r.top, r.left + 1 + r.width, r.top + r.height};
  });
  ASSERT_TRUE(read.ok());
  EXPECT_TRUE(read.messages().empty());
  EXPECT_EQ(child.name(), sj("はなこ"));
  EXPECT_EQ(doc.fileName(), path);
  EXPECT_FALSE(doc.isModified());
  ASSERT_EQ(doc.dishes().size(), 2u);
  EXPECT_EQ(doc.dishes().dishes()[0].name, sj("たまご"));
  EXPECT_EQ(doc.dishes().dishes()[1].rect, (nv::KRect{25, 44, 153, 140}));
  EXPECT_NE(doc.dishes().dishes()[1].serial, egg);  // fresh serials for the new items
  EXPECT_EQ(seen.resets, 2);

  // The profile dialog: cancelled (or missing), nothing changes; confirmed, the box takes the
  // child's name in its folder, still unchanged.
  EXPECT_FALSE(doc.confirmChild([](nv::TKojinData&) { return false; }, dir.file("saves")));
  EXPECT_FALSE(doc.confirmChild({}, dir.file("saves")));
  EXPECT_EQ(doc.fileName(), path);
  const auto jiro = [](nv::TKojinData& k) {
    k.setName(sj("じろう"));
    return true;
  };
  EXPECT_TRUE(doc.confirmChild(jiro, dir.file("saves")));
  EXPECT_EQ(doc.fileName(), dir.file("じろう.nvub"));
  EXPECT_FALSE(doc.isModified());

  // Removing marks the box changed; removing nothing does not.
  doc.setModified(false);
  doc.removeDish(-7);
  EXPECT_FALSE(doc.isModified());
  doc.removeAllDishes();
  EXPECT_TRUE(doc.isModified());
}

TEST(LunchBoxDocument, FailuresLeaveTheBoxAsItWas) {
  nvtest::TempDir dir;
  nv::TKojinData child;
  child.setName(sj("たろう"));
  nv::LunchBoxDocument doc(child, sj("host"));
  doc.addDish(sj("ごはん"), {0, 0, 10, 10});

  // A save that fails keeps the changes marked and says why.
  doc.setFileName(dir.file("no/such/folder.nvub"));
  const nv::Result saved = doc.save(1.0);
  EXPECT_FALSE(saved.ok());
  ASSERT_EQ(saved.messages().size(), 1u);
  EXPECT_EQ(saved.messages()[0].caption, sj("お弁当のデータを保存できません"));
  EXPECT_TRUE(doc.isModified());

  // An unreadable or damaged file changes neither the dishes, the child nor the file.
  const std::string damaged = dir.file("壊れた.nvub");
  ASSERT_TRUE(nv::writeFileAtomic(damaged, "short"));
  for (const std::string& path : {dir.file("ない.nvub"), damaged}) {
    const nv::Result read = doc.load(path, 1.0);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.messages().size(), 1u);
    EXPECT_EQ(doc.dishNames(), nv::NameList{sj("ごはん")});
    EXPECT_EQ(child.name(), sj("たろう"));
    EXPECT_EQ(doc.fileName(), dir.file("no/such/folder.nvub"));
    EXPECT_TRUE(doc.isModified());
  }

  // Another box of that name is not replaced unasked; one the document read or a dialog
  // chose is.
  EXPECT_FALSE(doc.mayOverwrite(damaged));
  doc.adoptFile(damaged);
  EXPECT_TRUE(doc.mayOverwrite(damaged));
  EXPECT_TRUE(doc.mayOverwrite(dir.file("まだない.nvub")));
}

}  // namespace

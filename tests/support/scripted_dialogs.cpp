#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace nvtest {
namespace {
const char* kindName(DialogCall::Kind k) {
  switch (k) {
    case DialogCall::Open:
      return "open dialog";
    case DialogCall::Save:
      return "save dialog";
    case DialogCall::Color:
      return "colour dialog";
    case DialogCall::PrinterSetup:
      return "printer set-up";
  }
  return "dialog";
}

std::string describe(const DialogCall& c) {
  std::string s = kindName(c.kind);
  if (c.kind == DialogCall::Open || c.kind == DialogCall::Save)
    s += " title=\"" + nv::cp932ToUtf8(c.request.title) + "\" filter=\"" +
         nv::cp932ToUtf8(c.request.filter) + "\" name=\"" + nv::cp932ToUtf8(c.request.fileName) +
         "\"";
  return s;
}
}  // namespace

ScriptedDialogs::ScriptedDialogs() : previous_(nv::setDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
  nv::setDialogs(previous_);
  for (const Answer& a : expected_)
    ADD_FAILURE() << "expected but never shown: " << kindName(a.kind);
}

ScriptedDialogs& ScriptedDialogs::expectOpen(const std::string& pathUtf8) {
  return expectOpenFiles({pathUtf8});
}

ScriptedDialogs& ScriptedDialogs::expectOpenFiles(const std::vector<std::string>& pathsUtf8) {
  Answer a;
  a.kind = DialogCall::Open;
  for (const std::string& p : pathsUtf8) a.paths.push_back(nv::sj(p));
  expected_.push_back(a);
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectSave(const std::string& pathUtf8) {
  Answer a;
  a.kind = DialogCall::Save;
  a.paths.push_back(nv::sj(pathUtf8));
  expected_.push_back(a);
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectColor(int32_t chosen) {
  Answer a;
  a.kind = DialogCall::Color;
  a.color = chosen;
  expected_.push_back(a);
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectPrinterSetup(bool accepted) {
  Answer a;
  a.kind = DialogCall::PrinterSetup;
  a.accepted = accepted;
  expected_.push_back(a);
  return *this;
}

ScriptedDialogs& ScriptedDialogs::expectCancel(DialogCall::Kind kind) {
  Answer a;
  a.kind = kind;
  a.accepted = false;
  expected_.push_back(a);
  return *this;
}

const ScriptedDialogs::Answer* ScriptedDialogs::next(const DialogCall& call) {
  calls_.push_back(call);
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected " << describe(call);
    return nullptr;
  }
  if (expected_.front().kind != call.kind) {
    ADD_FAILURE() << "wanted " << kindName(expected_.front().kind) << ", got " << describe(call);
    expected_.pop_front();
    return nullptr;
  }
  current_ = expected_.front();
  expected_.pop_front();
  return &current_;
}

bool ScriptedDialogs::openFiles(const nv::FileRequest& request, std::vector<std::string>& paths) {
  DialogCall call;
  call.request = request;
  const Answer* a = next(call);
  if (!a || !a->accepted) return false;
  if (a->paths.size() > 1 && !request.allowMultiple)
    ADD_FAILURE() << "several files scripted for a single-file " << describe(call);
  paths = a->paths;
  return !paths.empty();
}

bool ScriptedDialogs::saveFile(const nv::FileRequest& request, std::string& path) {
  DialogCall call;
  call.kind = DialogCall::Save;
  call.request = request;
  const Answer* a = next(call);
  if (!a || !a->accepted) return false;
  path = a->paths.front();
  return true;
}

bool ScriptedDialogs::chooseColor(int32_t initial, int32_t& chosen) {
  DialogCall call;
  call.kind = DialogCall::Color;
  call.initialColor = initial;
  const Answer* a = next(call);
  if (!a || !a->accepted) return false;
  chosen = a->color;
  return true;
}

bool ScriptedDialogs::printerSetup(nv::PageOrientation orientation) {
  DialogCall call;
  call.kind = DialogCall::PrinterSetup;
  call.orientation = orientation;
  const Answer* a = next(call);
  return a && a->accepted;
}

}  // namespace nvtest

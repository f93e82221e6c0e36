#include <map>
#include <utility>

#include "texts/Sections.h"
#include "texts/Texts.h"

namespace texts {
namespace {

using Key = std::pair<std::string, std::string>;  // context, English

const std::map<Key, std::string>& SpanishTable() {
  static const std::map<Key, std::string> table = [] {
    std::map<Key, std::string> t;
    for (auto section : {StartupTexts(), LinkTexts(), SetupTexts(), CutterTexts(), TransferTexts(),
                         RollFeedTexts(), PenPlotterTexts(), CalibrationTexts(), ServoTexts()})
      for (const Entry& e : section) t.emplace(Key{e.context, e.english}, e.spanish);
    return t;
  }();
  return table;
}

const std::string* FindSpanish(std::string_view english,
                               std::initializer_list<std::string_view> contexts) {
  const auto& table = SpanishTable();
  for (std::string_view context : contexts) {
    if (context.empty()) continue;
    auto it = table.find(Key{std::string(context), std::string(english)});
    if (it != table.end()) return &it->second;
  }
  auto it = table.find(Key{std::string(), std::string(english)});
  return it == table.end() ? nullptr : &it->second;
}

}  // namespace

Catalogue::Catalogue(Edition edition) : edition_(edition) {}

std::string Catalogue::operator()(std::string_view english, std::string_view context) const {
  return (*this)(english, {context});
}

std::string Catalogue::operator()(std::string_view english,
                                  std::initializer_list<std::string_view> contexts) const {
  if (edition_ == Edition::English || english.empty()) return std::string(english);
  if (const std::string* spanish = FindSpanish(english, contexts)) return *spanish;
  missing_.insert(std::string(english));
  return std::string(english);
}

bool Catalogue::HasSpanish(std::string_view english, std::string_view context) {
  return FindSpanish(english, {context}) != nullptr;
}

}  // namespace texts

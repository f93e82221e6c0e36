#pragma once
// The user-visible texts of each edition. The English text is the key; a context (usually the
// window's name) picks one of two Spanish wordings of the same English text.
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>

namespace texts {

enum class Edition { English, Spanish };

struct Entry {
  const char* context;  // "" = any window
  const char* english;
  const char* spanish;
};

class Catalogue {
 public:
  explicit Catalogue(Edition edition);
  Edition GetEdition() const { return edition_; }

  // The wording of this edition. An English text without a Spanish entry is shown in English and
  // remembered in Missing(), so the tests can catch it.
  std::string operator()(std::string_view english, std::string_view context = {}) const;
  // The same with several contexts, tried in order before the entry for any window.
  std::string operator()(std::string_view english,
                         std::initializer_list<std::string_view> contexts) const;
  const std::set<std::string>& Missing() const { return missing_; }

  // Whether the Spanish catalogue has the text (in the context, or for any window).
  static bool HasSpanish(std::string_view english, std::string_view context = {});

 private:
  Edition edition_;
  mutable std::set<std::string> missing_;
};

}  // namespace texts

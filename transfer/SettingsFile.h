#pragma once
// The settings file: one line in the settings token language, "!HO1 PT3 ... KA15 " and CR LF,
// with a block of tokens per model family. Written from the settings record, read back into it.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace taskhelm {

class App;
struct SharedState;

// The line of ModelCode's family, CR LF included; a model without a family gives CR LF alone.
std::string SettingsFileLine(const SharedState& s);

// The two readers differ in a few keys: the file-sending window's reader takes TE TF TL as the
// tangential-knife values; the plot window's older reader takes TE as the tractor feed and does
// not know TF and TL.
enum class TokenTable { SendCutFiles, Plot };

// Stores one token ("SS100,100 ") into the settings record. True when the key is known (PT and LL
// are known and change nothing). Values are not range-checked; one that does not fit its field
// is held at the field's limit.
bool ParseSettingToken(SharedState& s, std::string_view token, TokenTable table);

// The first line of a file, without its line end (CR LF, CR or LF alone). A line far longer than
// any settings line (a file of another kind picked by mistake) is given as empty, unread.
std::string ReadFirstLine(std::FILE* file);

// Stores the tokens of a line: a leading "!" is dropped and a final "@" stands for the final
// blank; a token ends at a blank, so text after the last blank is never used. Each unknown token
// is handed to unknownToken.
void StoreSettingTokens(SharedState& s, std::string_view line, TokenTable table,
                        const std::function<void()>& unknownToken);

// The reader both windows share: an empty first line shows "Bad Settings File" and gives False;
// otherwise the tokens are stored, each unknown one reported in a message, and the result is True.
bool ReadSettingsLine(App& app, std::FILE* file, TokenTable table);

}  // namespace taskhelm

// The build number a runtime states in "(build ...)" on its runtime line, and how the probes
// take it apart: "1.8.0_281-b09" in Java 8 numbering, "11.0.2+9-LTS" from Java 9 on.
#pragma once

#include <string>
#include <string_view>

namespace ravel {

// The text after the first "build " up to the end of the line, without its last two bytes (the
// closing parenthesis and the line feed). Without "build " the text from index 5 stands in.
std::string CutBuildText(std::string_view line);

// The part before the first separator; "" when the text has none, so that a build lacking the
// separator never passes for one that has it.
std::string PartBefore(std::string_view text, std::string_view separator);

struct VersionAndUpdate {
  std::string versionText;  // "1.8.0" of 1.8.0_281-b09, "11.0.2" of 11.0.2+9-LTS
  std::string updateText;   // "281" and "9" respectively
};

// Splits the part before the first "-" at its first "_", or failing that at its first "+".
// Both texts are empty when there is no "-" or no such separator.
VersionAndUpdate SplitVersionAndUpdate(std::string_view buildText);

// The version number of a Java 9 or later build: the part before the first "+" ("11.0.2" of
// 11.0.2+9-LTS, "11" of 11+28); "" when there is no "+".
std::string VersionNumber(std::string_view buildText);

}  // namespace ravel

// What real runtimes print for "-version" on standard error, shared by the probe tests. Line
// feeds are written as CR LF into the capture file by the simulated runtime.
#pragma once

#include <string>

namespace ravel::banners {

// --- Java 8 and older ---
inline const std::string kBranded8u281x64 =
    "java version \"1.8.0_281\"\n"
    "Java(TM) SE Runtime Environment (build 1.8.0_281-b09)\n"
    "Java HotSpot(TM) 64-Bit Server VM (build 25.281-b09, mixed mode)\n";
inline const std::string kBranded8u281x86 =
    "java version \"1.8.0_281\"\n"
    "Java(TM) SE Runtime Environment (build 1.8.0_281-b09)\n"
    "Java HotSpot(TM) Client VM (build 25.281-b09, mixed mode, sharing)\n";
inline const std::string kBranded8u181x64 =
    "java version \"1.8.0_181\"\n"
    "Java(TM) SE Runtime Environment (build 1.8.0_181-b13)\n"
    "Java HotSpot(TM) 64-Bit Server VM (build 25.181-b13, mixed mode)\n";
inline const std::string kBranded8u171x64 =
    "java version \"1.8.0_171\"\n"
    "Java(TM) SE Runtime Environment (build 1.8.0_171-b11)\n"
    "Java HotSpot(TM) 64-Bit Server VM (build 25.171-b11, mixed mode)\n";
// The first release, without an update number.
inline const std::string kBranded8Ga =
    "java version \"1.8.0\"\n"
    "Java(TM) SE Runtime Environment (build 1.8.0-b132)\n"
    "Java HotSpot(TM) 64-Bit Server VM (build 25.0-b70, mixed mode)\n";
inline const std::string kBranded7u80 =
    "java version \"1.7.0_80\"\n"
    "Java(TM) SE Runtime Environment (build 1.7.0_80-b15)\n"
    "Java HotSpot(TM) 64-Bit Server VM (build 24.80-b11, mixed mode)\n";
inline const std::string kAdopt8u282x64 =
    "openjdk version \"1.8.0_282\"\n"
    "OpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_282-b08)\n"
    "OpenJDK 64-Bit Server VM (AdoptOpenJDK)(build 25.282-b08, mixed mode)\n";
inline const std::string kAdopt8u282x86 =
    "openjdk version \"1.8.0_282\"\n"
    "OpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_282-b08)\n"
    "OpenJDK Client VM (AdoptOpenJDK)(build 25.282-b08, mixed mode)\n";
inline const std::string kAdopt8u172x64 =
    "openjdk version \"1.8.0_172\"\n"
    "OpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_172-b11)\n"
    "OpenJDK 64-Bit Server VM (AdoptOpenJDK)(build 25.172-b11, mixed mode)\n";
inline const std::string kTemurin8u302x64 =
    "openjdk version \"1.8.0_302\"\n"
    "OpenJDK Runtime Environment (Temurin)(build 1.8.0_302-b08)\n"
    "OpenJDK 64-Bit Server VM (Temurin)(build 25.302-b08, mixed mode)\n";
inline const std::string kOpenJ98u282x64 =
    "openjdk version \"1.8.0_282\"\n"
    "OpenJDK Runtime Environment (build 1.8.0_282-b08)\n"
    "Eclipse OpenJ9 VM (build openj9-0.24.0, JRE 1.8.0 Windows 10 amd64-64-Bit Compressed "
    "References 20210120_899 (JIT enabled, AOT enabled)\n"
    "OpenJ9   - 345e1b09e\n"
    "OMR      - 741e94ea8\n"
    "JCL      - ab07c6a8fd based on jdk8u282-b08)\n";

// --- Java 11 and later ---
inline const std::string kBranded11x64 =
    "java version \"11.0.2\" 2019-01-15 LTS\n"
    "Java(TM) SE Runtime Environment 18.9 (build 11.0.2+9-LTS)\n"
    "Java HotSpot(TM) 64-Bit Server VM 18.9 (build 11.0.2+9-LTS, mixed mode)\n";
inline const std::string kBranded11x86 =
    "java version \"11.0.2\" 2019-01-15 LTS\n"
    "Java(TM) SE Runtime Environment 18.9 (build 11.0.2+9-LTS)\n"
    "Java HotSpot(TM) Client VM 18.9 (build 11.0.2+9-LTS, mixed mode)\n";
// The first release: build 11+28, a version number without ".".
inline const std::string kOpenJdk11Ga =
    "openjdk version \"11\" 2018-09-25\n"
    "OpenJDK Runtime Environment 18.9 (build 11+28)\n"
    "OpenJDK 64-Bit Server VM 18.9 (build 11+28, mixed mode)\n";
inline const std::string kAdopt11x64 =
    "openjdk version \"11.0.10\" 2021-01-19\n"
    "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n"
    "OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)\n";
inline const std::string kAdopt11x86 =
    "openjdk version \"11.0.10\" 2021-01-19\n"
    "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n"
    "OpenJDK Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)\n";
inline const std::string kAdopt11OpenJ9 =
    "openjdk version \"11.0.10\" 2021-01-19\n"
    "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n"
    "Eclipse OpenJ9 VM AdoptOpenJDK (build openj9-0.24.0, JRE 11 Windows 10 "
    "amd64-64-Bit Compressed References 20210120_899 (JIT enabled, AOT enabled)\n"
    "OpenJ9   - 345e1b09e\n"
    "OMR      - 741e94ea8\n"
    "JCL      - 0a86953833 based on jdk-11.0.10+9)\n";
// A version number of four parts.
inline const std::string kAdopt11091x64 =
    "openjdk version \"11.0.9.1\" 2020-11-04\n"
    "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.9.1+1)\n"
    "OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.9.1+1, mixed mode)\n";
inline const std::string kZulu11x64 =
    "openjdk version \"11.0.10\" 2021-01-19 LTS\n"
    "OpenJDK Runtime Environment Zulu11.45+27-CA (build 11.0.10+9-LTS)\n"
    "OpenJDK 64-Bit Server VM Zulu11.45+27-CA (build 11.0.10+9-LTS, mixed mode)\n";
inline const std::string kBranded17x64 =
    "java version \"17.0.1\" 2021-10-19 LTS\n"
    "Java(TM) SE Runtime Environment (build 17.0.1+12-LTS-39)\n"
    "Java HotSpot(TM) 64-Bit Server VM (build 17.0.1+12-LTS-39, mixed mode, sharing)\n";
inline const std::string kOpenJdk17x64 =
    "openjdk version \"17.0.1\" 2021-10-19\n"
    "OpenJDK Runtime Environment (build 17.0.1+12-39)\n"
    "OpenJDK 64-Bit Server VM (build 17.0.1+12-39, mixed mode, sharing)\n";

// --- Notices printed ahead of the banner when an options variable is set ---
inline const std::string kToolOptionsNotice =
    "Picked up JAVA_TOOL_OPTIONS: -Dfile.encoding=UTF-8\n";
inline const std::string kJavaOptionsNotice = "Picked up _JAVA_OPTIONS: -Xmx1024m\n";
inline const std::string kJdkOptionsNote =
    "NOTE: Picked up JDK_JAVA_OPTIONS: --add-opens=java.base/java.lang=ALL-UNNAMED\n";

// An agent with a long option list: more than 510 bytes, so three pieces of at most 255.
inline std::string LongToolOptionsNotice() {
  std::string notice =
      "Picked up JAVA_TOOL_OPTIONS: -javaagent:C:\\Program Files\\Monitoring\\agent.jar=";
  for (int i = 0; notice.size() < 600; ++i) {
    notice += "include=com.example.service" + std::to_string(i) + ".*;";
  }
  return notice + "\n";
}

// Exactly 255 bytes before its line feed, so that the line feed arrives as a piece of its own.
inline std::string NoticeFillingOnePiece() {
  std::string notice = "Picked up _JAVA_OPTIONS: -Djava.io.tmpdir=C:\\";
  notice += std::string(255 - notice.size(), 't');
  return notice + "\n";
}

// A warning line of 300 bytes ahead of the banner: it is no notice, so it counts as two lines.
inline std::string LongWarningLine() {
  std::string warning =
      "OpenJDK 64-Bit Server VM warning: Ignoring option --illegal-access; support was removed "
      "in 17.0 (from -Xbootclasspath/a:";
  warning += std::string(300 - warning.size(), 'b');
  return warning + "\n";
}

// The first lines of a banner.
inline std::string FirstLines(const std::string& banner, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count; ++i) end = banner.find('\n', end) + 1;
  return banner.substr(0, end);
}

// The banner without its first lines.
inline std::string LinesAfter(const std::string& banner, int count) {
  return banner.substr(FirstLines(banner, count).size());
}

}  // namespace ravel::banners

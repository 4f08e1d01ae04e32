// The addresses on the maker's web site that the program links to, and the
// server that announces the latest version. The site is not yet published
// under its final name; the addresses live here only, so that changing
// them touches one file.
#pragma once

namespace Velmora {
inline constexpr char handbookJapaneseUrl[] = "https://velmora.corvali.example/ja/handbook/";
inline constexpr char handbookEnglishUrl[] = "https://velmora.corvali.example/en/handbook/";
inline constexpr char downloadUrl[] = "https://velmora.corvali.example/download/";
inline constexpr char homePageUrl[] = "https://velmora.corvali.example/";

// The base address of the version document; empty: no check is made. The
// environment variable VELMORA_VERSION_URL overrides it (an https address
// in use; tests point it at a server of their own).
inline constexpr char versionServerUrl[] = "";
inline constexpr char versionServerVariable[] = "VELMORA_VERSION_URL";
inline constexpr char versionDocumentPath[] = "/velmoraapp/VelmoraVersion.xml";
} // namespace Velmora

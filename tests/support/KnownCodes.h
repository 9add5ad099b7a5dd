#pragma once

// The populations and cancers that tests name, by their numbers in the shipped dictionaries.
namespace orvelan::test {

// Cancers.
inline constexpr int kAllSites = 0;
inline constexpr int kStomach = 34; // both sexes
inline constexpr int kColon = 41;
inline constexpr int kLung = 77;
inline constexpr int kBreast = 115;
inline constexpr int kVulva = 117; // females only
inline constexpr int kCervix = 119;
inline constexpr int kProstate = 153; // males only

// Populations.
inline constexpr int kAlgiers = 0;
inline constexpr int kLaReunion = 1;
inline constexpr int kGambia = 2;
inline constexpr int kBamako = 3;
inline constexpr int kVillaClara = 12;
inline constexpr int kChangle = 74;

// Rows of the registry dictionary's selection tree.
inline constexpr int kAlgiersRow = 2;   // population 0 (to 85+)
inline constexpr int kLaReunionRow = 4; // population 1 (to 70+)

} // namespace orvelan::test

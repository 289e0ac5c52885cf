#pragma once

// The project's home page, which the rollout's banner opens in the default
// browser.
constexpr const char* kHomePage = "https://quiltra.example/varitile";

#pragma once
// The product's home page: the one address that the side panel's link
// tree, the About box and the generated entry page all open.

inline constexpr const char* kProductHomePage = "http://www.corvana.example/";

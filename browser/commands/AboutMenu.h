#pragma once

struct Menu;

// "&A propos": the help site and the about window.
const Menu& aboutMenu();

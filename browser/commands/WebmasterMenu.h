#pragma once

struct Menu;

// "&Sites pour webmasters": the front pages of seven sites.
const Menu& webmasterMenu();

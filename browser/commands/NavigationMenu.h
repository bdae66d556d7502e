#pragma once

struct Menu;

// "&Navigation": history, reload and stop, the system browser's own pages and
// the user's preferred addresses, without asking anything.
const Menu& navigationMenu();

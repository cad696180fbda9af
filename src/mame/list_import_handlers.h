#pragma once

class TForm1;

// The list refresh behind Readgames1Click, with the wait limit as a parameter so that tests can
// use a short one. The menu item uses kListLimitSeconds.
void readGameList(TForm1& form, int limitSeconds);

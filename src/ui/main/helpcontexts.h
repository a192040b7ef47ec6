// The help context numbers of the main window's menu items and controls:
// the topics the help file keeps for them (there is no 102).
#pragma once

namespace paxamon {

enum HelpContextNumber : int {
  hcQuit = 100,
  hcRun = 101,
  hcNewProgram = 103,
  hcLoad = 104,
  hcSave = 105,
  hcOverview = 106,
  hcSingleSteps = 107,
  hcFullRun = 108,
  hcIR = 200,
  hcPC = 201,
  hcXR = 202,
  hcAK = 203,
  hcMemory = 204,  // both memory grids
};

}  // namespace paxamon

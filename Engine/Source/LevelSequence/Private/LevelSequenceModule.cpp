#include "ILevelSequenceModule.h"

#include "HAL/IConsoleManager.h"
#include "Modules/ModuleManager.h"

// New level sequences take their display rate and tick resolution from these, so the project can set them.
static TAutoConsoleVariable<FString> CVarDefaultDisplayRate(
	TEXT("LevelSequence.DefaultDisplayRate"),
	TEXT("30fps"),
	TEXT("The display frame rate given to new level sequences, as a frame rate text (\"30fps\", \"30000/1001\")."),
	ECVF_Default);

static TAutoConsoleVariable<FString> CVarDefaultTickResolution(
	TEXT("LevelSequence.DefaultTickResolution"),
	TEXT("24000fps"),
	TEXT("The tick resolution given to new level sequences, as a frame rate text (\"24000fps\")."),
	ECVF_Default);

/** The LevelSequence module object. */
class FLevelSequenceModule : public ILevelSequenceModule
{
};

IMPLEMENT_MODULE(FLevelSequenceModule, LevelSequence);

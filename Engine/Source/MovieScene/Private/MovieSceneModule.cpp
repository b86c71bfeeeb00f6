#include "MovieSceneLog.h"
#include "Modules/ModuleManager.h"

DEFINE_LOG_CATEGORY(LogMovieScene);

IMPLEMENT_MODULE(FDefaultModuleImpl, MovieScene);

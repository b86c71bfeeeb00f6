#pragma once

#include "Containers/ContainersFwd.h"

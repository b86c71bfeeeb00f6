// Kinds of multi-boxes (menus, menu bars, toolbars) and their blocks.

#pragma once

#include "CoreMinimal.h"

/** What a multi-box is drawn as. */
enum class EMultiBoxType : uint8
{
	MenuBar,
	ToolBar,
	VerticalToolBar,
	SlimHorizontalToolBar,
	UniformToolBar,
	Menu,
	ButtonRow,
	ToolMenuBar,
	SlimHorizontalUniformToolBar,
	SlimWrappingToolBar
};

/** What one block of a multi-box is. */
enum class EMultiBlockType : uint8
{
	None = 0,
	ButtonRow,
	EditableText,
	Heading,
	MenuEntry,
	Separator,
	ToolBarButton,
	ToolBarComboButton,
	Widget
};

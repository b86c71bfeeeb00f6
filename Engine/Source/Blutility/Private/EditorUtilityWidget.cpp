#include "EditorUtilityWidget.h"

bool UEditorUtilityWidget::IsEditorUtility() const
{
	return true;
}

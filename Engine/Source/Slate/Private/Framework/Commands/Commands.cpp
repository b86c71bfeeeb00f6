#include "Framework/Commands/Commands.h"

#include "Internationalization/Internationalization.h"
#include "Styling/ISlateStyle.h"

void MakeUICommand_InternalUseOnly(FBindingContext* This, TSharedPtr<FUICommandInfo>& OutCommand, const TCHAR* InSubNamespace, const TCHAR* InCommandName, const TCHAR* InCommandNameUnderscoreTooltip, const ANSICHAR* DotCommandName, const TCHAR* FriendlyName, const TCHAR* InDescription, const EUserInterfaceActionType CommandType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord)
{
	checkf(This, TEXT("MakeUICommand_InternalUseOnly: no binding context"));

	// Command texts are gathered under "UICommands", qualified by the file's LOCTEXT_NAMESPACE.
	FString Namespace(TEXT("UICommands"));
	if (InSubNamespace && *InSubNamespace)
	{
		Namespace += TEXT(".");
		Namespace += InSubNamespace;
	}

	const FText Label = FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(FriendlyName, *Namespace, InCommandName);
	const FText Description = FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(InDescription, *Namespace, InCommandNameUnderscoreTooltip);
	const FSlateIcon Icon(This->GetStyleSetName(), ISlateStyle::Join(This->GetContextName(), DotCommandName));

	FUICommandInfo::MakeCommandInfo(This->AsShared(), OutCommand, InCommandName, Label, Description, Icon, CommandType, InDefaultChord, InAlternateDefaultChord);
}

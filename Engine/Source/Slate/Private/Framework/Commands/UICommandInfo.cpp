#include "Framework/Commands/UICommandInfo.h"

#include "Framework/Commands/InputBindingManager.h"

FOnBindingContextChanged FBindingContext::CommandsChanged;

FBindingContext::FBindingContext(const FName InContextName, const FText& InContextDesc, const FName InContextParent, const FName InStyleSetName)
	: ContextName(InContextName)
	, ContextParent(InContextParent)
	, ContextDesc(InContextDesc)
	, StyleSetName(InStyleSetName)
{
	checkf(!InContextName.IsNone(), TEXT("FBindingContext: a binding context needs a name"));
}

FBindingContext::FBindingContext(const FBindingContext& Other)
	: TSharedFromThis<FBindingContext>()
	, ContextName(Other.ContextName)
	, ContextParent(Other.ContextParent)
	, ContextDesc(Other.ContextDesc)
	, StyleSetName(Other.StyleSetName)
{
}

FBindingContext::~FBindingContext()
{
}

FUICommandInfoDecl FBindingContext::NewCommand(const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc)
{
	return FUICommandInfoDecl(AsShared(), InCommandName, InCommandLabel, InCommandDesc);
}

FUICommandInfoDecl::FUICommandInfoDecl(const TSharedRef<FBindingContext>& InContext, const FName InCommandName, const FText& InLabel, const FText& InDesc)
	: Context(InContext)
{
	Info = MakeShared<FUICommandInfo>(InContext->GetContextName());
	Info->CommandName = InCommandName;
	Info->Label = InLabel;
	Info->Description = InDesc;
}

FUICommandInfoDecl& FUICommandInfoDecl::DefaultChord(const FInputChord& InDefaultChord, const EMultipleKeyBindingIndex InChordIndex)
{
	Info->DefaultChords[static_cast<uint8>(InChordIndex)] = InDefaultChord;
	return *this;
}

FUICommandInfoDecl& FUICommandInfoDecl::UserInterfaceType(EUserInterfaceActionType InType)
{
	Info->UserInterfaceType = InType;
	return *this;
}

FUICommandInfoDecl& FUICommandInfoDecl::Icon(const FSlateIcon& InIcon)
{
	Info->Icon = InIcon;
	return *this;
}

FUICommandInfoDecl& FUICommandInfoDecl::Description(const FText& InDesc)
{
	Info->Description = InDesc;
	return *this;
}

FUICommandInfoDecl::operator TSharedPtr<FUICommandInfo>() const
{
	FInputBindingManager::Get().CreateInputCommand(Context, Info.ToSharedRef());
	return Info;
}

FUICommandInfoDecl::operator TSharedRef<FUICommandInfo>() const
{
	FInputBindingManager::Get().CreateInputCommand(Context, Info.ToSharedRef());
	return Info.ToSharedRef();
}

FUICommandInfo::FUICommandInfo(const FName InBindingContext)
	: BindingContext(InBindingContext)
	, UserInterfaceType(EUserInterfaceActionType::Button)
{
	const int32 NumChords = static_cast<int32>(EMultipleKeyBindingIndex::NumChords);
	for (int32 Index = 0; Index < NumChords; ++Index)
	{
		ActiveChords.Add(MakeShared<FInputChord>());
		DefaultChords.Add(FInputChord());
	}
}

void FUICommandInfo::MakeCommandInfo(const TSharedRef<FBindingContext>& InContext, TSharedPtr<FUICommandInfo>& OutCommand, const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc, const FSlateIcon& InIcon, const EUserInterfaceActionType InUserInterfaceType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord)
{
	checkf(!InCommandName.IsNone(), TEXT("FUICommandInfo::MakeCommandInfo: a command needs a name (context '%s')"), *InContext->GetContextName().ToString());

	OutCommand = MakeShared<FUICommandInfo>(InContext->GetContextName());
	OutCommand->CommandName = InCommandName;
	OutCommand->Label = InCommandLabel;
	OutCommand->Description = InCommandDesc;
	OutCommand->Icon = InIcon;
	OutCommand->UserInterfaceType = InUserInterfaceType;
	OutCommand->DefaultChords[static_cast<uint8>(EMultipleKeyBindingIndex::Primary)] = InDefaultChord;
	OutCommand->DefaultChords[static_cast<uint8>(EMultipleKeyBindingIndex::Secondary)] = InAlternateDefaultChord;

	// A command starts with its defaults active; the stand-in keeps no user overrides.
	*OutCommand->ActiveChords[static_cast<uint8>(EMultipleKeyBindingIndex::Primary)] = InDefaultChord;
	*OutCommand->ActiveChords[static_cast<uint8>(EMultipleKeyBindingIndex::Secondary)] = InAlternateDefaultChord;

	FInputBindingManager::Get().CreateInputCommand(InContext, OutCommand.ToSharedRef());
}

void FUICommandInfo::UnregisterCommandInfo(const TSharedRef<FBindingContext>& InContext, const TSharedRef<FUICommandInfo>& InCommand)
{
	FInputBindingManager::Get().RemoveInputCommand(InContext, InCommand);
}

const FInputChord& FUICommandInfo::GetDefaultChord(const EMultipleKeyBindingIndex InChordIndex) const
{
	checkf(InChordIndex < EMultipleKeyBindingIndex::NumChords, TEXT("FUICommandInfo::GetDefaultChord: bad chord index"));
	return DefaultChords[static_cast<uint8>(InChordIndex)];
}

const TSharedRef<const FInputChord> FUICommandInfo::GetActiveChord(const EMultipleKeyBindingIndex InChordIndex) const
{
	checkf(InChordIndex < EMultipleKeyBindingIndex::NumChords, TEXT("FUICommandInfo::GetActiveChord: bad chord index"));
	return ActiveChords[static_cast<uint8>(InChordIndex)];
}

const TSharedRef<const FInputChord> FUICommandInfo::GetFirstValidChord() const
{
	for (const TSharedRef<FInputChord>& Chord : ActiveChords)
	{
		if (Chord->IsValidChord())
		{
			return Chord;
		}
	}
	return ActiveChords[static_cast<uint8>(EMultipleKeyBindingIndex::Primary)];
}

bool FUICommandInfo::HasActiveChord(const FInputChord InChord) const
{
	for (const TSharedRef<FInputChord>& Chord : ActiveChords)
	{
		if (Chord->IsValidChord() && *Chord == InChord)
		{
			return true;
		}
	}
	return false;
}

bool FUICommandInfo::HasDefaultChord(const FInputChord InChord) const
{
	for (const FInputChord& Chord : DefaultChords)
	{
		if (Chord.IsValidChord() && Chord == InChord)
		{
			return true;
		}
	}
	return false;
}

void FUICommandInfo::SetActiveChord(const FInputChord& NewChord, const EMultipleKeyBindingIndex InChordIndex)
{
	checkf(InChordIndex < EMultipleKeyBindingIndex::NumChords, TEXT("FUICommandInfo::SetActiveChord: bad chord index"));
	*ActiveChords[static_cast<uint8>(InChordIndex)] = NewChord;
	FInputBindingManager::Get().NotifyActiveChordChanged(*this, InChordIndex);
}

void FUICommandInfo::RemoveActiveChord(const EMultipleKeyBindingIndex InChordIndex)
{
	SetActiveChord(FInputChord(), InChordIndex);
}

FText FUICommandInfo::GetInputText() const
{
	return GetFirstValidChord()->GetInputText();
}

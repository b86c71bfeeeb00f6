#include "InputCoreTypes.h"

#include "Modules/ModuleManager.h"

IMPLEMENT_MODULE(FDefaultModuleImpl, InputCore);

namespace
{
	TMap<FKey, TSharedPtr<FKeyDetails>>& GetKeyTable()
	{
		static TMap<FKey, TSharedPtr<FKeyDetails>> KeyTable;
		return KeyTable;
	}

	bool& IsKeyTableInitialized()
	{
		static bool bInitialized = false;
		return bInitialized;
	}
}

FKey::FKey()
{
}

FKey::FKey(const FName InName)
	: KeyName(InName)
{
}

FKey::FKey(const TCHAR* InName)
	: KeyName(InName)
{
}

FKey::FKey(const ANSICHAR* InName)
	: KeyName(InName)
{
}

TSharedPtr<FKeyDetails> FKey::GetDetails() const
{
	return EKeys::GetKeyDetails(*this);
}

bool FKey::IsValid() const
{
	// A name alone is not enough: the key must be one the engine knows.
	return !KeyName.IsNone() && GetDetails().IsValid();
}

FString FKey::ToString() const
{
	return KeyName.ToString();
}

FName FKey::GetFName() const
{
	return KeyName;
}

FText FKey::GetDisplayName(const bool bLongDisplayName) const
{
	const TSharedPtr<FKeyDetails> Details = GetDetails();
	return Details.IsValid() ? Details->GetDisplayName(bLongDisplayName) : FText::FromName(KeyName);
}

bool FKey::IsModifierKey() const
{
	const TSharedPtr<FKeyDetails> Details = GetDetails();
	return Details.IsValid() && Details->IsModifierKey();
}

bool FKey::IsMouseButton() const
{
	const TSharedPtr<FKeyDetails> Details = GetDetails();
	return Details.IsValid() && Details->IsMouseButton();
}

FKeyDetails::FKeyDetails(const FKey InKey, const FText& InLongDisplayName, const FText& InShortDisplayName, const uint32 InKeyFlags)
	: Key(InKey)
	, LongDisplayName(InLongDisplayName)
	, ShortDisplayName(InShortDisplayName.IsEmpty() ? InLongDisplayName : InShortDisplayName)
	, KeyFlags(InKeyFlags)
{
}

const FKey EKeys::Invalid(NAME_None);

const FKey EKeys::LeftMouseButton("LeftMouseButton");
const FKey EKeys::RightMouseButton("RightMouseButton");
const FKey EKeys::MiddleMouseButton("MiddleMouseButton");

const FKey EKeys::BackSpace("BackSpace");
const FKey EKeys::Tab("Tab");
const FKey EKeys::Enter("Enter");
const FKey EKeys::Escape("Escape");
const FKey EKeys::SpaceBar("SpaceBar");
const FKey EKeys::PageUp("PageUp");
const FKey EKeys::PageDown("PageDown");
const FKey EKeys::End("End");
const FKey EKeys::Home("Home");
const FKey EKeys::Left("Left");
const FKey EKeys::Up("Up");
const FKey EKeys::Right("Right");
const FKey EKeys::Down("Down");
const FKey EKeys::Insert("Insert");
const FKey EKeys::Delete("Delete");

const FKey EKeys::Zero("Zero");
const FKey EKeys::One("One");
const FKey EKeys::Two("Two");
const FKey EKeys::Three("Three");
const FKey EKeys::Four("Four");
const FKey EKeys::Five("Five");
const FKey EKeys::Six("Six");
const FKey EKeys::Seven("Seven");
const FKey EKeys::Eight("Eight");
const FKey EKeys::Nine("Nine");

const FKey EKeys::A("A");
const FKey EKeys::B("B");
const FKey EKeys::C("C");
const FKey EKeys::D("D");
const FKey EKeys::E("E");
const FKey EKeys::F("F");
const FKey EKeys::G("G");
const FKey EKeys::H("H");
const FKey EKeys::I("I");
const FKey EKeys::J("J");
const FKey EKeys::K("K");
const FKey EKeys::L("L");
const FKey EKeys::M("M");
const FKey EKeys::N("N");
const FKey EKeys::O("O");
const FKey EKeys::P("P");
const FKey EKeys::Q("Q");
const FKey EKeys::R("R");
const FKey EKeys::S("S");
const FKey EKeys::T("T");
const FKey EKeys::U("U");
const FKey EKeys::V("V");
const FKey EKeys::W("W");
const FKey EKeys::X("X");
const FKey EKeys::Y("Y");
const FKey EKeys::Z("Z");

const FKey EKeys::F1("F1");
const FKey EKeys::F2("F2");
const FKey EKeys::F3("F3");
const FKey EKeys::F4("F4");
const FKey EKeys::F5("F5");
const FKey EKeys::F6("F6");
const FKey EKeys::F7("F7");
const FKey EKeys::F8("F8");
const FKey EKeys::F9("F9");
const FKey EKeys::F10("F10");
const FKey EKeys::F11("F11");
const FKey EKeys::F12("F12");

const FKey EKeys::LeftShift("LeftShift");
const FKey EKeys::RightShift("RightShift");
const FKey EKeys::LeftControl("LeftControl");
const FKey EKeys::RightControl("RightControl");
const FKey EKeys::LeftAlt("LeftAlt");
const FKey EKeys::RightAlt("RightAlt");
const FKey EKeys::LeftCommand("LeftCommand");
const FKey EKeys::RightCommand("RightCommand");

void EKeys::Initialize()
{
	if (IsKeyTableInitialized())
	{
		return;
	}
	IsKeyTableInitialized() = true;

#define QUOVEX_ADD_KEY(KeyMember, LongText, ShortText, Flags) \
	AddKey(FKeyDetails(EKeys::KeyMember, NSLOCTEXT("InputKeys", #KeyMember, LongText), NSLOCTEXT("InputKeys", #KeyMember "_Short", ShortText), Flags))

	QUOVEX_ADD_KEY(LeftMouseButton, "Left Mouse Button", "LMB", FKeyDetails::MouseButton);
	QUOVEX_ADD_KEY(RightMouseButton, "Right Mouse Button", "RMB", FKeyDetails::MouseButton);
	QUOVEX_ADD_KEY(MiddleMouseButton, "Middle Mouse Button", "MMB", FKeyDetails::MouseButton);

	QUOVEX_ADD_KEY(BackSpace, "Backspace", "Backspace", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Tab, "Tab", "Tab", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Enter, "Enter", "Enter", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Escape, "Escape", "Esc", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(SpaceBar, "Space Bar", "Space", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(PageUp, "Page Up", "PgUp", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(PageDown, "Page Down", "PgDn", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(End, "End", "End", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Home, "Home", "Home", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Left, "Left", "Left", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Up, "Up", "Up", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Right, "Right", "Right", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Down, "Down", "Down", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Insert, "Insert", "Ins", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Delete, "Delete", "Del", FKeyDetails::NoFlags);

	QUOVEX_ADD_KEY(Zero, "0", "0", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(One, "1", "1", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Two, "2", "2", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Three, "3", "3", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Four, "4", "4", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Five, "5", "5", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Six, "6", "6", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Seven, "7", "7", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Eight, "8", "8", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Nine, "9", "9", FKeyDetails::NoFlags);

	QUOVEX_ADD_KEY(A, "A", "A", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(B, "B", "B", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(C, "C", "C", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(D, "D", "D", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(E, "E", "E", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F, "F", "F", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(G, "G", "G", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(H, "H", "H", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(I, "I", "I", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(J, "J", "J", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(K, "K", "K", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(L, "L", "L", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(M, "M", "M", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(N, "N", "N", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(O, "O", "O", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(P, "P", "P", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Q, "Q", "Q", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(R, "R", "R", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(S, "S", "S", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(T, "T", "T", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(U, "U", "U", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(V, "V", "V", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(W, "W", "W", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(X, "X", "X", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Y, "Y", "Y", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(Z, "Z", "Z", FKeyDetails::NoFlags);

	QUOVEX_ADD_KEY(F1, "F1", "F1", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F2, "F2", "F2", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F3, "F3", "F3", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F4, "F4", "F4", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F5, "F5", "F5", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F6, "F6", "F6", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F7, "F7", "F7", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F8, "F8", "F8", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F9, "F9", "F9", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F10, "F10", "F10", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F11, "F11", "F11", FKeyDetails::NoFlags);
	QUOVEX_ADD_KEY(F12, "F12", "F12", FKeyDetails::NoFlags);

	QUOVEX_ADD_KEY(LeftShift, "Left Shift", "Shift", FKeyDetails::ModifierKey);
	QUOVEX_ADD_KEY(RightShift, "Right Shift", "Shift", FKeyDetails::ModifierKey);
	QUOVEX_ADD_KEY(LeftControl, "Left Ctrl", "Ctrl", FKeyDetails::ModifierKey);
	QUOVEX_ADD_KEY(RightControl, "Right Ctrl", "Ctrl", FKeyDetails::ModifierKey);
	QUOVEX_ADD_KEY(LeftAlt, "Left Alt", "Alt", FKeyDetails::ModifierKey);
	QUOVEX_ADD_KEY(RightAlt, "Right Alt", "Alt", FKeyDetails::ModifierKey);
	QUOVEX_ADD_KEY(LeftCommand, "Left Cmd", "Cmd", FKeyDetails::ModifierKey);
	QUOVEX_ADD_KEY(RightCommand, "Right Cmd", "Cmd", FKeyDetails::ModifierKey);

#undef QUOVEX_ADD_KEY
}

void EKeys::AddKey(const FKeyDetails& KeyDetails)
{
	const FKey& Key = KeyDetails.GetKey();
	checkf(!Key.GetFName().IsNone(), TEXT("EKeys::AddKey: a key needs a name"));
	GetKeyTable().Add(Key, MakeShared<FKeyDetails>(KeyDetails));
}

TSharedPtr<FKeyDetails> EKeys::GetKeyDetails(const FKey Key)
{
	// Callers may ask before anyone initialised the table (tests, early start-up).
	Initialize();
	const TSharedPtr<FKeyDetails>* Details = GetKeyTable().Find(Key);
	return Details ? *Details : TSharedPtr<FKeyDetails>();
}

void EKeys::GetAllKeys(TArray<FKey>& OutKeys)
{
	Initialize();
	OutKeys.Reset();
	for (const TPair<FKey, TSharedPtr<FKeyDetails>>& Pair : GetKeyTable())
	{
		OutKeys.Add(Pair.Key);
	}
}

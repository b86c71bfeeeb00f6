#!/usr/bin/env python3
"""The engine symbols the plugin's module libraries import, against the ledger in Engine/PLUGIN_API.md.

plugin-api.py check BUILD_DIR LEDGER   exit 1 naming every imported symbol the ledger lacks
plugin-api.py write BUILD_DIR LEDGER   print the current imports as ledger rows, grouped by engine module and class

An import is an undefined dynamic symbol of one of the plugin libraries that no plugin library defines (those
are the plugin's own cross-module calls) and that is not the C/C++ runtime's (versioned glibc, libstdc++ and
libgcc symbols, and the toolchain's weak hooks). Names are demangled and sorted bytewise, so the list is the same
on every run of the same build.
"""

import os
import re
import signal
import subprocess
import sys

PluginModules = ("QuovexVirtualProduction", "QuovexTracking", "QuovexVirtualProductionEditor")

# Weak, unversioned hooks every shared object built by GCC references; they belong to the toolchain.
ToolchainHooks = {"_ITM_deregisterTMCloneTable", "_ITM_registerTMCloneTable", "__gmon_start__"}

# Rows below this heading are listed by hand (header-only templates and inline functions) and are never imports.
HandListedHeading = "## Header-only"

# What the header tool and the reflection macros make the plugin import: listed, but not API the plugin calls.
GeneratedPatterns = [
	r"^Z_Construct_",
	r"^GetPrivateStaticClassBody\(",
	r"::GetPrivateStaticClass\(\)$",
	r"::StaticStruct\(\)$",
	r"^F\w*Property::",
	r"^TProperty_\w*<",
	r"^FField::",
	r"^typeinfo for FField$",
	r"^UField::SetMetaData\(",
	r"^UClass::AddFunctionToFunctionMap\(",
	r"^UFunction::FinalizeParms\(",
	r"^UStruct::AddChild\(",
	r"^UScriptStruct::SetCppStructOps\(",
]


def Fail(Message):
	print(f"check-plugin-api: {Message}", file=sys.stderr)
	sys.exit(2)


def DynamicSymbols(Library, Which):
	"""Mangled dynamic symbols of a library, without version suffixes; Which is --undefined-only or --defined-only."""
	Output = subprocess.run(["nm", "-D", "--format=posix", Which, Library], check=True, capture_output=True, text=True).stdout
	Symbols = {}
	for Line in Output.splitlines():
		Fields = Line.split()
		if not Fields:
			continue
		Name = Fields[0]
		bVersioned = "@" in Name
		Symbols[Name.split("@", 1)[0]] = bVersioned
	return Symbols


def Demangle(Names):
	Names = list(Names)
	if not Names:
		return {}
	Output = subprocess.run(["c++filt"], input="\n".join(Names) + "\n", check=True, capture_output=True, text=True).stdout
	Demangled = Output.splitlines()
	if len(Demangled) != len(Names):
		Fail("c++filt returned a different number of names than it was given")
	return dict(zip(Names, Demangled))


def PluginLibrary(Binaries, Module):
	return os.path.join(Binaries, f"libUnrealEditor-{Module}.so")


def Imports(BuildDir):
	"""Demangled import -> sorted list of the plugin modules importing it."""
	Binaries = os.path.join(BuildDir, "Binaries")
	Libraries = {Module: PluginLibrary(Binaries, Module) for Module in PluginModules}
	for Module, Library in Libraries.items():
		if not os.path.isfile(Library):
			Fail(f"{Library} is missing: build the plugin in {BuildDir} first")
	DefinedByPlugin = set()
	for Library in Libraries.values():
		DefinedByPlugin.update(DynamicSymbols(Library, "--defined-only"))
	ByModule = {}
	for Module, Library in Libraries.items():
		for Name, bVersioned in DynamicSymbols(Library, "--undefined-only").items():
			if bVersioned or Name in ToolchainHooks or Name in DefinedByPlugin:
				continue
			ByModule.setdefault(Name, set()).add(Module)
	Names = Demangle(ByModule)
	Result = {}
	for Mangled, Modules in ByModule.items():
		Result.setdefault(Names[Mangled], set()).update(Modules)
	return {Name: sorted(Modules) for Name, Modules in Result.items()}


def EngineModuleOf(BuildDir, Symbols):
	"""Demangled symbol -> the engine library that defines it (its module name), for grouping the rows."""
	Binaries = os.path.join(BuildDir, "Binaries")
	Owner = {}
	for Entry in sorted(os.listdir(Binaries)):
		Match = re.fullmatch(r"libUnrealEditor-(\w+)\.so", Entry)
		if not Match or Match.group(1) in PluginModules:
			continue
		Defined = DynamicSymbols(os.path.join(Binaries, Entry), "--defined-only")
		for Mangled, Demangled in Demangle(Defined).items():
			if Demangled in Symbols:
				Owner.setdefault(Demangled, Match.group(1))
	return Owner


def ReadLedger(Path):
	"""Symbol -> the ledger row naming it, from the tables above the hand-listed section."""
	if not os.path.isfile(Path):
		Fail(f"{Path} is missing")
	Rows = {}
	with open(Path, encoding="utf-8") as File:
		for Line in File:
			if Line.startswith(HandListedHeading):
				break
			Match = re.match(r"^\|\s*`((?:[^`\\]|\\.)+)`\s*\|", Line)
			if Match:
				Rows[Match.group(1).replace("\\|", "|")] = Line.rstrip("\n")
	return Rows


def ClassOf(Symbol):
	"""The class (or namespace) a symbol belongs to, for grouping: the scope before the last top-level '::'."""
	for Prefix in ("vtable for ", "typeinfo for "):
		if Symbol.startswith(Prefix):
			return Symbol[len(Prefix):]
	Depth = 0
	Scope = ""
	Index = 0
	while Index < len(Symbol):
		Char = Symbol[Index]
		if Char in "<(":
			if Char == "(" and Depth == 0:
				break
			Depth += 1
		elif Char in ">)":
			Depth -= 1
		elif Symbol.startswith("::", Index) and Depth == 0:
			Scope = Symbol[:Index]
			Index += 1
		Index += 1
	return Scope or "(global)"


def IsGenerated(Symbol):
	return any(re.search(Pattern, Symbol) for Pattern in GeneratedPatterns)


def Check(BuildDir, LedgerPath):
	Current = Imports(BuildDir)
	Ledger = ReadLedger(LedgerPath)
	Missing = sorted(Name for Name in Current if Name not in Ledger)
	for Name in Missing:
		print(f"{LedgerPath}: missing engine symbol imported by {', '.join(Current[Name])}: {Name}")
	Stale = sorted(Name for Name in Ledger if Name not in Current)
	for Name in Stale:
		print(f"{LedgerPath}: note: no plugin library imports {Name} any more; its row can go", file=sys.stderr)
	print(f"check-plugin-api: {len(Current)} engine symbols imported, {len(Missing)} missing from the ledger", file=sys.stderr)
	return 1 if Missing else 0


def Write(BuildDir, LedgerPath):
	Current = Imports(BuildDir)
	Ledger = ReadLedger(LedgerPath) if os.path.isfile(LedgerPath) else {}
	Owner = EngineModuleOf(BuildDir, Current)
	Groups = {}
	for Name in Current:
		Module = "Generated" if IsGenerated(Name) else Owner.get(Name, "(not defined by any engine library)")
		Groups.setdefault(Module, {}).setdefault(ClassOf(Name), []).append(Name)
	for Module in sorted(Groups, key=lambda Key: (Key == "Generated", Key)):
		print(f"## {Module}\n")
		for Class in sorted(Groups[Module]):
			print(f"### {Class}\n")
			print("| Symbol | UE 5.3 declaration | Source | Note |")
			print("|---|---|---|---|")
			for Name in sorted(Groups[Module][Class]):
				Escaped = Name.replace("|", "\\|")
				print(Ledger.get(Name, f"| `{Escaped}` | — | unverified: new import, not checked yet | imported by {', '.join(Current[Name])} |"))
			print()
	return 0


def Main():
	if len(sys.argv) != 4 or sys.argv[1] not in ("check", "write"):
		Fail("usage: plugin-api.py check|write BUILD_DIR LEDGER")
	Mode, BuildDir, LedgerPath = sys.argv[1:]
	sys.exit(Check(BuildDir, LedgerPath) if Mode == "check" else Write(BuildDir, LedgerPath))


if __name__ == "__main__":
	# Quiet when the reader of --write stops early (| head).
	signal.signal(signal.SIGPIPE, signal.SIG_DFL)
	os.environ["LC_ALL"] = "C"
	Main()

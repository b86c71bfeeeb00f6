#!/usr/bin/env python3
"""The stand-in's reflection code generator.

Reads a module's headers for UCLASS / UINTERFACE / USTRUCT / UENUM / UFUNCTION / UPROPERTY and
DECLARE_DYNAMIC_*DELEGATE*, and writes <Stem>.generated.h per header (the GENERATED_BODY expansion,
chosen by CURRENT_FILE_ID and __LINE__) and <Module>.gen.cpp, which registers every reflected type at
static initialisation of the module's library. Anything it does not understand stops it with
file:line and a message, rather than producing wrong code.

Other modules' reflected types are read from <Module>.reflection.json next to this module's output.
"""

import argparse
import glob
import json
import os
import re
import sys


class ToolError(Exception):
	pass


def fail(path, line, message):
	raise ToolError("%s:%d: error: %s" % (path, line, message))


# ------------------------------------------------------------------ tokenizer

class Token:
	__slots__ = ("kind", "text", "line", "doc")

	def __init__(self, kind, text, line, doc=None):
		self.kind = kind
		self.text = text
		self.line = line
		self.doc = doc

	def __repr__(self):
		return "%s(%r@%d)" % (self.kind, self.text, self.line)


TOKEN_RE = re.compile(r"""
	(?P<ws>[ \t\r\f\v]+)
	|(?P<nl>\n)
	|(?P<doc>/\*\*(?!/).*?\*/)
	|(?P<comment>/\*.*?\*/|//[^\n]*)
	|(?P<string>(?:u8|u|U|L)?R"(?P<delim>[^(]*)\(.*?\)(?P=delim)"|(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
	|(?P<char>'(?:\\.|[^'\\\n])*')
	|(?P<number>\.?[0-9](?:[0-9a-zA-Z_.]|[eEpP][+-])*)
	|(?P<ident>[A-Za-z_][A-Za-z_0-9]*)
	|(?P<symbol>::|->|\.\.\.|&&|\|\||[<>=!]=|[{}()\[\];,<>=*&:~!?+\-/%^|.#])
""", re.S | re.X)


def evaluate_condition(expression):
	"""Which branch of an #if the tool reads. CPP is 0 for the tool, as for the engine's header tool."""
	text = expression.strip()
	known_true = {"WITH_EDITOR", "WITH_EDITORONLY_DATA", "1", "defined(WITH_EDITOR)", "WITH_ENGINE", "!CPP"}
	known_false = {"0", "CPP", "!WITH_EDITOR", "!WITH_EDITORONLY_DATA"}
	if text in known_true:
		return True
	if text in known_false:
		return False
	return None


def tokenize(path, text):
	"""Tokens of the code the tool reads, with preprocessor directives applied or skipped."""
	tokens = []
	line = 1
	pos = 0
	# Stack of (reading, seen_true_branch, known) for #if blocks.
	conditions = []
	at_line_start = True
	pending_doc = None
	length = len(text)
	while pos < length:
		if at_line_start:
			match = re.match(r"[ \t]*#[ \t]*(\w+)(.*)", text[pos:pos + 2000])
			if match:
				# A directive spans continued lines.
				end = pos
				while True:
					newline = text.find("\n", end)
					if newline == -1:
						newline = length
					if newline > 0 and text[newline - 1] == "\\":
						end = newline + 1
						continue
					break
				directive_text = text[pos:newline]
				directive = match.group(1)
				argument = re.sub(r"//.*$", "", directive_text.split(directive, 1)[1]).strip()
				reading = all(c[0] for c in conditions)
				if directive in ("if", "ifdef", "ifndef"):
					value = None
					if directive == "if":
						value = evaluate_condition(argument)
					conditions.append([value is not False, value is not False, value is not None])
				elif directive == "elif":
					if not conditions:
						fail(path, line, "#elif without #if")
					block = conditions[-1]
					value = evaluate_condition(argument)
					block[0] = (not block[1]) and value is not False
					block[1] = block[1] or block[0]
				elif directive == "else":
					if not conditions:
						fail(path, line, "#else without #if")
					block = conditions[-1]
					block[0] = not block[1]
					block[1] = True
				elif directive == "endif":
					if not conditions:
						fail(path, line, "#endif without #if")
					conditions.pop()
				line += directive_text.count("\n")
				pos = newline
				continue
		match = TOKEN_RE.match(text, pos)
		if not match:
			fail(path, line, "unexpected character %r" % text[pos])
		kind = match.lastgroup
		value = match.group(0)
		pos = match.end()
		reading = all(c[0] for c in conditions)
		if kind == "nl":
			line += 1
			at_line_start = True
			continue
		if kind == "ws":
			continue
		start_line = line
		line += value.count("\n")
		if kind == "delim":
			kind = "string"
		if kind == "comment":
			continue
		at_line_start = False
		if not reading:
			continue
		if kind == "doc":
			pending_doc = (value, start_line)
			continue
		token = Token(kind, value, start_line, pending_doc)
		pending_doc = None
		tokens.append(token)
	if conditions:
		fail(path, line, "unterminated #if")
	return tokens


def format_tooltip(comment):
	"""The engine's tooltip form of a doc comment: markers and leading '*' removed, lines trimmed."""
	body = comment[3:-2]
	lines = []
	for raw in body.split("\n"):
		stripped = raw.strip()
		while stripped.startswith("*"):
			stripped = stripped[1:]
		stripped = stripped.strip()
		if re.fullmatch(r"[-=*/]{3,}", stripped):
			continue
		lines.append(stripped)
	while lines and not lines[0]:
		lines.pop(0)
	while lines and not lines[-1]:
		lines.pop()
	return "\n".join(lines)


# ------------------------------------------------------------------ specifiers

def parse_specifier_list(path, tokens, start):
	"""Reads '( specifier, key=value, key=(a,b), meta=(K=V, K2) )' from tokens[start] == '('.
	Returns (list of (key, value), index after ')')."""
	if tokens[start].text != "(":
		fail(path, tokens[start].line, "expected '(' after the reflection macro")
	index = start + 1
	items = []
	while True:
		token = tokens[index]
		if token.text == ")":
			return items, index + 1
		if token.text == ",":
			index += 1
			continue
		if token.kind not in ("ident", "string", "number"):
			fail(path, token.line, "unexpected %r in specifier list" % token.text)
		key = token.text
		index += 1
		value = None
		if tokens[index].text == "=":
			index += 1
			value, index = parse_specifier_value(path, tokens, index)
		elif tokens[index].text == "(":
			value, index = parse_specifier_value(path, tokens, index)
		items.append((key, value))


def parse_specifier_value(path, tokens, index):
	token = tokens[index]
	if token.text == "(":
		group, after = parse_specifier_list(path, tokens, index)
		return group, after
	parts = []
	# A value is one token, or a run like -1, 1.5f, TEXT("x"), Module.Class, A|B.
	while True:
		token = tokens[index]
		if token.text in (",", ")"):
			break
		if token.text == "(":
			depth = 0
			while True:
				if tokens[index].text == "(":
					depth += 1
				elif tokens[index].text == ")":
					depth -= 1
				parts.append(tokens[index].text)
				index += 1
				if depth == 0:
					break
			continue
		parts.append(token.text)
		index += 1
	if not parts:
		fail(path, tokens[index].line, "missing value in specifier list")
	return unquote_value("".join(parts) if all(p not in ("|",) for p in parts) else " ".join(parts)), index


def unquote_value(text):
	match = re.fullmatch(r'(?:TEXT\()?(?:u8|u|U|L)?"((?:\\.|[^"\\])*)"\)?', text)
	if match:
		return bytes(match.group(1), "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")
	return text


def meta_pairs(path, line, value):
	"""meta=(K=V, K2) -> [(K, V), (K2, "")]."""
	if not isinstance(value, list):
		fail(path, line, "meta needs a parenthesised list")
	result = []
	for key, item in value:
		if isinstance(item, list):
			item = ",".join(k if v is None else "%s=%s" % (k, v) for k, v in item)
		result.append((key, "" if item is None else item))
	return result


def group_text(value):
	if isinstance(value, list):
		return " ".join(k for k, _ in value)
	return value


# ------------------------------------------------------------------ declarations

class TypeInfo:
	def __init__(self, tokens, path, line):
		self.tokens = tokens
		self.path = path
		self.line = line
		text = join_type(tokens)
		self.is_ref = False
		self.is_const = False
		stripped = list(tokens)
		if stripped and stripped[-1] == "&":
			self.is_ref = True
			stripped = stripped[:-1]
		if stripped and stripped[0] == "const":
			self.is_const = True
			if not (stripped and stripped[-1] == "*"):
				stripped = stripped[1:]
		if stripped and stripped[-1] == "const" and len(stripped) > 1 and stripped[-2] == "*":
			stripped = stripped[:-1]
		stripped = [t for t in stripped if t not in ("class", "struct", "enum", "typename")]
		self.value_tokens = stripped
		self.value_text = join_type(stripped)
		self.full_text = text


def join_type(tokens):
	out = ""
	for token in tokens:
		if not out:
			out = token
		elif token in ("<", ">", "*", "&", ",", "::") or out.endswith(("<", "::")):
			out += token
		else:
			out += " " + token
	return out.replace(",", ", ")


def split_top_level(tokens, separator=","):
	parts = []
	current = []
	depth = 0
	for token in tokens:
		if token.text in ("(", "<", "[", "{"):
			depth += 1
		elif token.text in (")", ">", "]", "}"):
			depth -= 1
		if token.text == separator and depth == 0:
			parts.append(current)
			current = []
			continue
		current.append(token)
	if current:
		parts.append(current)
	return parts


def skip_balanced(tokens, index, open_text, close_text):
	depth = 0
	while index < len(tokens):
		if tokens[index].text == open_text:
			depth += 1
		elif tokens[index].text == close_text:
			depth -= 1
			if depth == 0:
				return index + 1
		index += 1
	raise IndexError


class PropertyDecl:
	def __init__(self):
		self.name = None
		self.type = None
		self.specifiers = []
		self.doc = None
		self.line = 0
		self.access = "public"
		self.bitfield = False
		self.param_flags = []
		self.default = None
		self.param_meta = []


class FunctionDecl:
	def __init__(self):
		self.name = None
		self.return_type = None
		self.params = []
		self.specifiers = []
		self.doc = None
		self.line = 0
		self.access = "public"
		self.is_static = False
		self.is_virtual = False
		self.is_const = False


class ClassDecl:
	def __init__(self, kind):
		self.kind = kind  # class, interface, native_interface, struct
		self.name = None
		self.super_name = None
		self.bases = []
		self.specifiers = []
		self.doc = None
		self.line = 0
		self.body_line = None
		self.body_macro = None
		self.properties = []
		self.functions = []
		self.ctor_kind = None
		self.declared_names = set()
		self.api = None
		self.native_interface = None
		self.delegates = []


class EnumDecl:
	def __init__(self):
		self.name = None
		self.underlying = None
		self.form = "Regular"
		self.values = []
		self.specifiers = []
		self.doc = None
		self.line = 0


class DelegateDecl:
	def __init__(self):
		self.name = None
		self.multicast = False
		self.return_type = None
		self.params = []
		self.line = 0
		self.doc = None
		self.owner = None


# ------------------------------------------------------------------ parser

DELEGATE_RE = re.compile(r"DECLARE_DYNAMIC_(MULTICAST_)?DELEGATE(_RetVal)?(?:_(OneParam|TwoParams|ThreeParams|FourParams|FiveParams|SixParams|SevenParams|EightParams|NineParams))?$")
PARAM_COUNTS = {None: 0, "OneParam": 1, "TwoParams": 2, "ThreeParams": 3, "FourParams": 4, "FiveParams": 5, "SixParams": 6}


class HeaderParser:
	def __init__(self, path):
		self.path = path
		with open(path, encoding="utf-8") as handle:
			self.tokens = tokenize(path, handle.read())
		self.classes = []
		self.structs = []
		self.enums = []
		self.delegates = []
		self.includes_generated = False

	def error(self, token, message):
		fail(self.path, token.line if token else 0, message)

	def parse(self):
		tokens = self.tokens
		index = 0
		pending_interface = {}
		while index < len(tokens):
			token = tokens[index]
			text = token.text
			if text in ("UCLASS", "UINTERFACE", "USTRUCT"):
				index = self.parse_type(index, pending_interface)
				continue
			if text == "UENUM":
				index = self.parse_enum(index)
				continue
			if text == "UDELEGATE":
				_, index = parse_specifier_list(self.path, tokens, index + 1)
				continue
			if DELEGATE_RE.match(text):
				index = self.parse_delegate(index, None)
				continue
			if text in ("UFUNCTION", "UPROPERTY", "GENERATED_BODY", "GENERATED_UCLASS_BODY"):
				self.error(token, "%s outside of a reflected class or struct" % text)
			if token.kind == "ident" and text == "class" and index + 1 < len(tokens):
				# A native interface class ("class IFoo { GENERATED_BODY() ... }").
				name_index = index + 1
				while name_index < len(tokens) and tokens[name_index].kind == "ident" and tokens[name_index + 1].kind == "ident" and tokens[name_index + 1].text not in ("final",):
					name_index += 1
				name = tokens[name_index].text
				if name.startswith("I") and ("U" + name[1:]) in pending_interface:
					index = self.parse_native_interface(index, name_index, pending_interface.pop("U" + name[1:]))
					continue
			index += 1
		for name, decl in pending_interface.items():
			fail(self.path, decl.line, "UINTERFACE %s has no native interface class I%s in the same header" % (name, name[1:]))

	def parse_type(self, index, pending_interface):
		tokens = self.tokens
		macro = tokens[index]
		kind = {"UCLASS": "class", "UINTERFACE": "interface", "USTRUCT": "struct"}[macro.text]
		decl = ClassDecl(kind)
		decl.doc = macro.doc
		decl.line = macro.line
		decl.specifiers, index = parse_specifier_list(self.path, tokens, index + 1)
		keyword = tokens[index]
		expected = "struct" if kind == "struct" else "class"
		if keyword.text != expected and not (kind == "struct" and keyword.text == "class"):
			self.error(keyword, "expected '%s' after %s" % (expected, macro.text))
		index += 1
		names = []
		while tokens[index].kind == "ident" and tokens[index].text != "final":
			names.append(tokens[index].text)
			index += 1
		if not names:
			self.error(tokens[index], "expected a type name after %s" % macro.text)
		decl.name = names[-1]
		if len(names) > 1:
			decl.api = names[-2]
		if tokens[index].text == "final":
			index += 1
		if tokens[index].text == ":":
			index += 1
			bases = []
			current = []
			while tokens[index].text != "{":
				if tokens[index].text == ",":
					bases.append(current)
					current = []
				elif tokens[index].text not in ("public", "protected", "private", "virtual"):
					current.append(tokens[index].text)
				index += 1
			bases.append(current)
			decl.bases = ["".join(b) for b in bases if b]
			decl.super_name = decl.bases[0] if decl.bases else None
		if tokens[index].text == ";":
			self.error(tokens[index], "%s %s must be defined where it is declared" % (macro.text, decl.name))
		if tokens[index].text != "{":
			self.error(tokens[index], "expected '{' to open %s" % decl.name)
		if kind == "class" and not decl.super_name:
			self.error(macro, "UCLASS %s needs a base class" % decl.name)
		if kind == "class" and decl.name[0] not in "UA":
			self.error(macro, "UCLASS names start with U or A (%s)" % decl.name)
		if kind == "struct" and not decl.name.startswith("F"):
			self.error(macro, "USTRUCT names start with F (%s)" % decl.name)
		index = self.parse_body(decl, index)
		if decl.body_line is None:
			self.error(macro, "%s has no GENERATED_BODY()" % decl.name)
		if kind == "struct":
			self.structs.append(decl)
		else:
			self.classes.append(decl)
			if kind == "interface":
				pending_interface[decl.name] = decl
		return index

	def parse_native_interface(self, index, name_index, interface_decl):
		tokens = self.tokens
		native = ClassDecl("native_interface")
		native.name = tokens[name_index].text
		native.line = tokens[index].line
		index = name_index + 1
		while tokens[index].text != "{":
			if tokens[index].text == ";":
				return index + 1
			index += 1
		index = self.parse_body(native, index)
		if native.body_line is None:
			fail(self.path, native.line, "%s has no GENERATED_BODY()" % native.name)
		interface_decl.native_interface = native
		return index

	def parse_body(self, decl, index):
		tokens = self.tokens
		assert tokens[index].text == "{"
		index += 1
		access = "public" if decl.kind in ("struct", "native_interface") else "private"
		while True:
			if index >= len(tokens):
				fail(self.path, decl.line, "unterminated body of %s" % decl.name)
			token = tokens[index]
			text = token.text
			if text == "}":
				return index + 1
			if text in ("public", "protected", "private") and tokens[index + 1].text == ":":
				access = text
				index += 2
				continue
			if text in ("GENERATED_BODY", "GENERATED_UCLASS_BODY", "GENERATED_USTRUCT_BODY", "GENERATED_UINTERFACE_BODY", "GENERATED_IINTERFACE_BODY", "GENERATED_BODY_LEGACY"):
				if decl.body_line is not None:
					self.error(token, "%s has more than one generated body" % decl.name)
				decl.body_line = token.line
				decl.body_macro = text
				index = skip_balanced(tokens, index + 1, "(", ")")
				if text in ("GENERATED_UCLASS_BODY", "GENERATED_UINTERFACE_BODY", "GENERATED_IINTERFACE_BODY", "GENERATED_BODY_LEGACY"):
					access = "public"
				elif decl.kind in ("class", "interface"):
					access = "private"
				continue
			if text == "UPROPERTY":
				index = self.parse_property(decl, index, access)
				continue
			if text == "UFUNCTION":
				index = self.parse_function(decl, index, access)
				continue
			if DELEGATE_RE.match(text):
				index = self.parse_delegate(index, decl)
				continue
			if text in ("UCLASS", "USTRUCT", "UENUM", "UINTERFACE"):
				self.error(token, "nested %s declarations are not supported" % text)
			if text == "{":
				index = skip_balanced(tokens, index, "{", "}")
				continue
			if text == "(":
				index = skip_balanced(tokens, index, "(", ")")
				continue
			if token.kind == "ident":
				decl.declared_names.add(text)
				if text == decl.name and tokens[index + 1].text == "(" and (index == 0 or tokens[index - 1].text != "~"):
					end = skip_balanced(tokens, index + 1, "(", ")")
					params = [t.text for t in tokens[index + 2:end - 1]]
					if "FObjectInitializer" in params:
						decl.ctor_kind = "initializer"
					elif not params or params == ["void"]:
						decl.ctor_kind = decl.ctor_kind or "default"
					else:
						decl.ctor_kind = decl.ctor_kind or "other"
					index = end
					continue
			index += 1

	def read_declaration(self, index):
		"""Tokens up to ';' or a body at depth 0; returns (tokens, index after, had_body)."""
		tokens = self.tokens
		out = []
		depth = 0
		while True:
			token = tokens[index]
			if depth == 0 and token.text == ";":
				return out, index + 1, False
			if depth == 0 and token.text == "{" and out and out[-1].text in (")", "const", "override", "final"):
				return out, skip_balanced(tokens, index, "{", "}"), True
			if token.text in ("(", "[", "{"):
				depth += 1
			elif token.text in (")", "]", "}"):
				depth -= 1
			out.append(token)
			index += 1

	def parse_property(self, decl, index, access):
		tokens = self.tokens
		macro = tokens[index]
		prop = PropertyDecl()
		prop.doc = macro.doc
		prop.line = macro.line
		prop.access = access
		prop.specifiers, index = parse_specifier_list(self.path, tokens, index + 1)
		body, index, _ = self.read_declaration(index)
		# Default initialiser and bitfield width are not part of the type.
		cut = len(body)
		for position, token in enumerate(body):
			if token.text in ("=", "{") or (token.text == ":" and position > 0):
				cut = position
				break
		head = body[:cut]
		rest = body[cut:]
		if rest and rest[0].text == ":":
			if len(rest) < 2 or rest[1].text != "1":
				self.error(rest[0], "only one-bit bitfields can be reflected")
			prop.bitfield = True
		head = [t for t in head if t.text not in ("mutable",)]
		if any(t.text == "[" for t in head):
			self.error(macro, "static array properties are not supported by the stand-in's header tool")
		if len(head) < 2 or head[-1].kind != "ident":
			self.error(macro, "cannot read the property declaration after UPROPERTY")
		prop.name = head[-1].text
		prop.type = TypeInfo([t.text for t in head[:-1]], self.path, macro.line)
		decl.properties.append(prop)
		return index

	def parse_function(self, decl, index, access):
		tokens = self.tokens
		macro = tokens[index]
		func = FunctionDecl()
		func.doc = macro.doc
		func.line = macro.line
		func.access = access
		func.specifiers, index = parse_specifier_list(self.path, tokens, index + 1)
		body, index, _ = self.read_declaration(index)
		qualifiers = []
		while body and body[0].text in ("virtual", "static", "FORCEINLINE", "inline", "explicit", "UE_NODISCARD") or (body and body[0].text.endswith("_API")):
			qualifiers.append(body.pop(0).text)
		func.is_static = "static" in qualifiers
		func.is_virtual = "virtual" in qualifiers
		open_index = None
		for position, token in enumerate(body):
			if token.text == "(":
				open_index = position
				break
		if open_index is None or open_index < 2:
			self.error(macro, "cannot read the function declaration after UFUNCTION")
		func.name = body[open_index - 1].text
		func.return_type = TypeInfo([t.text for t in body[:open_index - 1]], self.path, macro.line)
		close_index = open_index
		depth = 0
		for position in range(open_index, len(body)):
			if body[position].text == "(":
				depth += 1
			elif body[position].text == ")":
				depth -= 1
				if depth == 0:
					close_index = position
					break
		trailing = [t.text for t in body[close_index + 1:]]
		func.is_const = "const" in trailing
		if "override" in trailing:
			func.is_virtual = True
		for param_tokens in split_top_level(body[open_index + 1:close_index]):
			if len(param_tokens) == 1 and param_tokens[0].text == "void":
				continue
			func.params.append(self.parse_param(param_tokens, macro))
		decl.functions.append(func)
		return index

	def parse_param(self, param_tokens, macro):
		prop = PropertyDecl()
		prop.line = macro.line
		tokens = list(param_tokens)
		if tokens and tokens[0].text == "UPARAM":
			end = 1
			depth = 0
			for position in range(1, len(tokens)):
				if tokens[position].text == "(":
					depth += 1
				elif tokens[position].text == ")":
					depth -= 1
					if depth == 0:
						end = position + 1
						break
			items, _ = parse_specifier_list(self.path, tokens, 1)
			for key, value in items:
				if key.lower() == "ref":
					prop.param_flags.append("ref")
				elif key == "DisplayName":
					prop.param_meta.append(("DisplayName", value))
				elif key.lower() == "meta":
					prop.param_meta.extend(meta_pairs(self.path, macro.line, value))
				else:
					self.error(tokens[0], "unknown UPARAM specifier '%s'" % key)
			tokens = tokens[end:]
		default = None
		for position, token in enumerate(tokens):
			if token.text == "=":
				default = tokens[position + 1:]
				tokens = tokens[:position]
				break
		if len(tokens) < 2 or tokens[-1].kind != "ident":
			self.error(macro, "parameters of reflected functions need a name")
		prop.name = tokens[-1].text
		prop.type = TypeInfo([t.text for t in tokens[:-1]], self.path, macro.line)
		if default is not None:
			prop.default = unquote_value("".join(t.text for t in default))
		return prop

	def parse_enum(self, index):
		tokens = self.tokens
		macro = tokens[index]
		decl = EnumDecl()
		decl.doc = macro.doc
		decl.line = macro.line
		decl.specifiers, index = parse_specifier_list(self.path, tokens, index + 1)
		if tokens[index].text == "namespace":
			decl.form = "Namespaced"
			decl.name = tokens[index + 1].text
			index += 2
			if tokens[index].text != "{" or tokens[index + 1].text != "enum":
				self.error(tokens[index], "expected 'namespace %s { enum Type' after UENUM" % decl.name)
			index += 2
			if tokens[index].text != "Type":
				self.error(tokens[index], "namespaced enums are declared as 'enum Type'")
			index += 1
		else:
			if tokens[index].text != "enum":
				self.error(tokens[index], "expected 'enum' after UENUM")
			index += 1
			if tokens[index].text in ("class", "struct"):
				decl.form = "EnumClass"
				index += 1
			decl.name = tokens[index].text
			index += 1
		if tokens[index].text == ":":
			decl.underlying = tokens[index + 1].text
			index += 2
		if tokens[index].text != "{":
			self.error(tokens[index], "expected '{' to open enum %s" % decl.name)
		if decl.form == "EnumClass" and not decl.underlying:
			self.error(macro, "enum class %s needs an underlying type (': uint8')" % decl.name)
		end = skip_balanced(tokens, index, "{", "}")
		for entry in split_top_level(tokens[index + 1:end - 1]):
			if not entry:
				continue
			name_token = entry[0]
			if name_token.kind != "ident":
				self.error(name_token, "cannot read enumerator of %s" % decl.name)
			meta = []
			for position, token in enumerate(entry):
				if token.text == "UMETA":
					items, _ = parse_specifier_list(self.path, entry, position + 1)
					for key, value in items:
						meta.append((key, "" if value is None else value if not isinstance(value, list) else group_text(value)))
			decl.values.append((name_token.text, meta, name_token.doc))
		index = end
		if decl.form == "Namespaced":
			while tokens[index].text != "}":
				index += 1
			index += 1
		if index < len(tokens) and tokens[index].text == ";":
			index += 1
		self.enums.append(decl)
		return index

	def parse_delegate(self, index, owner):
		tokens = self.tokens
		macro = tokens[index]
		match = DELEGATE_RE.match(macro.text)
		if match.group(3) not in PARAM_COUNTS:
			self.error(macro, "%s is not supported by the stand-in (at most six parameters)" % macro.text)
		end = skip_balanced(tokens, index + 1, "(", ")")
		arguments = split_top_level(tokens[index + 2:end - 1])
		decl = DelegateDecl()
		decl.line = macro.line
		decl.doc = macro.doc
		decl.multicast = bool(match.group(1))
		decl.owner = owner.name if owner else None
		if match.group(2):
			if decl.multicast:
				self.error(macro, "multicast delegates cannot return values")
			decl.return_type = TypeInfo([t.text for t in arguments.pop(0)], self.path, macro.line)
		if not arguments or len(arguments[0]) != 1:
			self.error(macro, "expected the delegate's name")
		decl.name = arguments.pop(0)[0].text
		count = PARAM_COUNTS[match.group(3)]
		if len(arguments) != count * 2:
			self.error(macro, "%s expects %d parameter types and names" % (macro.text, count))
		for position in range(count):
			param = PropertyDecl()
			param.line = macro.line
			param.type = TypeInfo([t.text for t in arguments[position * 2]], self.path, macro.line)
			if len(arguments[position * 2 + 1]) != 1:
				self.error(macro, "delegate parameter names are single identifiers")
			param.name = arguments[position * 2 + 1][0].text
			decl.params.append(param)
		if owner is not None:
			owner.delegates.append(decl)
		self.delegates.append(decl)
		index = end
		if index < len(tokens) and tokens[index].text == ";":
			index += 1
		return index


# ------------------------------------------------------------------ types

UNDERLYING_ALIASES = {"int": "int32", "unsigned int": "uint32", "uint8": "uint8"}

NUMERIC_PROPERTIES = {
	"int8": "FInt8Property", "int16": "FInt16Property", "int32": "FIntProperty", "int64": "FInt64Property",
	"uint16": "FUInt16Property", "uint32": "FUInt32Property", "uint64": "FUInt64Property",
	"float": "FFloatProperty", "double": "FDoubleProperty", "uint8": "FByteProperty",
}

# Types CoreUObject registers by hand (UObject/CoreNativeTypes.cpp).
BUILTIN_CLASSES = {"UObject", "UClass", "UPackage", "UInterface", "UField", "UStruct", "UScriptStruct", "UFunction", "UEnum", "UDelegateFunction"}
BUILTIN_STRUCTS = {"FSoftObjectPath", "FSoftClassPath", "FVector", "FVector2D", "FRotator", "FLinearColor", "FColor", "FIntPoint", "FFrameRate", "FTopLevelAssetPath", "FGuid", "FQuat", "FTransform"}


def parse_type_tree(tokens, path, line):
	"""['TArray','<','FString','>'] -> ('TArray', [('FString', [], 0)], 0); pointers counted."""
	tokens = [t for t in tokens if t not in ("const", "class", "struct", "typename")]
	position = [0]

	def node():
		if position[0] >= len(tokens):
			fail(path, line, "cannot read type '%s'" % " ".join(tokens))
		name = tokens[position[0]]
		position[0] += 1
		while position[0] + 1 < len(tokens) and tokens[position[0]] == "::":
			name += "::" + tokens[position[0] + 1]
			position[0] += 2
		args = []
		if position[0] < len(tokens) and tokens[position[0]] == "<":
			position[0] += 1
			while True:
				args.append(node())
				if position[0] >= len(tokens):
					fail(path, line, "unterminated template in '%s'" % " ".join(tokens))
				if tokens[position[0]] == ",":
					position[0] += 1
					continue
				if tokens[position[0]] == ">":
					position[0] += 1
					break
				fail(path, line, "cannot read type '%s'" % " ".join(tokens))
		pointers = 0
		while position[0] < len(tokens) and tokens[position[0]] in ("*",):
			pointers += 1
			position[0] += 1
		return (name, args, pointers)

	result = node()
	if position[0] != len(tokens):
		fail(path, line, "cannot read type '%s'" % " ".join(tokens))
	return result


def type_text(tree):
	name, args, pointers = tree
	text = name
	if args:
		text += "<" + ", ".join(type_text(a) for a in args) + ">"
	return text + "*" * pointers


class TypeRegistry:
	def __init__(self, module):
		self.module = module
		self.classes = {}
		self.structs = {}
		self.enums = {}
		self.delegates = {}

	def load_dependencies(self, output_dir):
		for path in glob.glob(os.path.join(os.path.dirname(os.path.abspath(output_dir)), "*", "*.reflection.json")):
			try:
				with open(path, encoding="utf-8") as handle:
					data = json.load(handle)
			except (OSError, ValueError):
				continue
			if data.get("module") == self.module:
				continue
			for table in ("classes", "structs", "enums", "delegates"):
				getattr(self, table).update(data.get(table, {}))

	def class_construct(self, name):
		return "Z_Construct_UClass_%s_NoRegister" % name

	def struct_construct(self, name):
		return "Z_Construct_UScriptStruct_%s" % name

	def enum_construct(self, name):
		return "Z_Construct_UEnum_%s_%s" % (self.enums[name]["module"], name)

	def delegate_construct(self, name):
		info = self.delegates[name]
		scope = info["owner"] if info.get("owner") else info["module"]
		return "Z_Construct_UDelegateFunction_%s_%s__DelegateSignature" % (scope, name[1:])


class PropertyEmitter:
	"""Writes the C++ that creates one property (and its inner properties)."""

	def __init__(self, registry, path, externs):
		self.registry = registry
		self.path = path
		self.externs = externs
		self.counter = 0

	def need_class(self, name, line):
		if name not in BUILTIN_CLASSES and name not in self.registry.classes and not name.startswith(("U", "A")):
			fail(self.path, line, "'%s' is not a reflected class" % name)
		function = self.registry.class_construct(name)
		self.externs.add("UClass* %s();" % function)
		return function + "()"

	def emit(self, lines, owner_expr, name, tree, offset_expr, flags_expr, line, bitfield=None, meta=None):
		"""Appends statements creating the property; returns the C++ variable holding it."""
		self.counter += 1
		var = "P%d" % self.counter
		type_name, args, pointers = tree
		new = None
		children = []
		if bitfield:
			lines.append("int32 %s_Offset = 0; uint8 %s_Mask = 0;" % (var, var))
			lines.append("FBoolProperty::FindBitfield(%s, (int32)sizeof(%s), %s_Offset, %s_Mask);" % (bitfield[0], bitfield[1], var, var))
			new = "new FBoolProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s + %s_Offset, %s, %s_Mask, 1, false)" % (owner_expr, name, offset_expr, var, flags_expr, var)
		elif pointers > 1:
			fail(self.path, line, "pointer to pointer types cannot be reflected ('%s')" % type_text(tree))
		elif pointers == 1:
			if args:
				fail(self.path, line, "unsupported type '%s'" % type_text(tree))
			if type_name == "UClass":
				new = "new FClassProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s)" % (owner_expr, name, offset_expr, flags_expr, self.need_class("UObject", line))
			elif type_name.startswith(("U", "A")):
				new = "new FObjectProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s)" % (owner_expr, name, offset_expr, flags_expr, self.need_class(type_name, line))
			else:
				fail(self.path, line, "pointers to '%s' cannot be reflected (only objects)" % type_name)
		elif type_name == "bool":
			new = "new FBoolProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, 0xFF, sizeof(bool), true)" % (owner_expr, name, offset_expr, flags_expr)
		elif type_name == "int":
			fail(self.path, line, "'int' cannot be reflected: use int32")
		elif type_name in NUMERIC_PROPERTIES:
			new = "new %s(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s)" % (NUMERIC_PROPERTIES[type_name], owner_expr, name, offset_expr, flags_expr)
		elif type_name == "FString":
			new = "new FStrProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s)" % (owner_expr, name, offset_expr, flags_expr)
		elif type_name == "FName":
			new = "new FNameProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s)" % (owner_expr, name, offset_expr, flags_expr)
		elif type_name == "FText":
			new = "new FTextProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s)" % (owner_expr, name, offset_expr, flags_expr)
		elif type_name == "TEnumAsByte":
			enum = args[0][0] if args else ""
			if enum.endswith("::Type"):
				enum = enum[:-len("::Type")]
			if enum not in self.registry.enums:
				fail(self.path, line, "'%s' is not a reflected enum" % enum)
			function = self.registry.enum_construct(enum)
			self.externs.add("UEnum* %s();" % function)
			new = "new FByteProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s())" % (owner_expr, name, offset_expr, flags_expr, function)
		elif type_name in ("TObjectPtr", "TSubclassOf", "TWeakObjectPtr", "TSoftObjectPtr", "TSoftClassPtr", "TScriptInterface", "TLazyObjectPtr"):
			if len(args) != 1 or args[0][1] or args[0][2]:
				fail(self.path, line, "unsupported type '%s'" % type_text(tree))
			inner = args[0][0]
			if type_name == "TScriptInterface":
				if not inner.startswith("I"):
					fail(self.path, line, "TScriptInterface takes a native interface type ('%s')" % inner)
				new = "new FInterfaceProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s)" % (owner_expr, name, offset_expr, flags_expr, self.need_class("U" + inner[1:], line))
			elif type_name == "TLazyObjectPtr":
				fail(self.path, line, "TLazyObjectPtr is not supported by the stand-in")
			else:
				property_class = {"TObjectPtr": "FObjectProperty", "TSubclassOf": "FClassProperty", "TWeakObjectPtr": "FWeakObjectProperty", "TSoftObjectPtr": "FSoftObjectProperty", "TSoftClassPtr": "FSoftClassProperty"}[type_name]
				if type_name == "TObjectPtr" and inner == "UClass":
					property_class = "FClassProperty"
					inner = "UObject"
				new = "new %s(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s)" % (property_class, owner_expr, name, offset_expr, flags_expr, self.need_class(inner, line))
		elif type_name == "TArray":
			if len(args) != 1:
				fail(self.path, line, "TArray with an allocator cannot be reflected")
			if args[0][0] in ("TArray", "TMap", "TSet"):
				fail(self.path, line, "nested containers cannot be reflected ('%s')" % type_text(tree))
			new = "new FArrayProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, UE::CoreUObject::Private::TArrayOps<%s>::Get())" % (owner_expr, name, offset_expr, flags_expr, self.cpp_type(tree))
			children.append((args[0],))
		elif type_name == "TMap":
			if len(args) != 2:
				fail(self.path, line, "unsupported type '%s'" % type_text(tree))
			for arg in args:
				if arg[0] in ("TArray", "TMap", "TSet"):
					fail(self.path, line, "nested containers cannot be reflected ('%s')" % type_text(tree))
			new = "new FMapProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, UE::CoreUObject::Private::TMapOps<%s>::Get())" % (owner_expr, name, offset_expr, flags_expr, self.cpp_type(tree))
			children.append((args[0],))
			children.append((args[1],))
		elif type_name in ("TSet", "TOptional", "TUniquePtr", "TSharedPtr", "TSharedRef", "TFunction", "TMulticastDelegate", "TDelegate"):
			fail(self.path, line, "%s cannot be reflected by the stand-in's header tool" % type_name)
		elif type_name.endswith("::Type") and type_name[:-len("::Type")] in self.registry.enums:
			fail(self.path, line, "namespaced enum %s needs TEnumAsByte<> to be reflected" % type_name)
		elif type_name in self.registry.enums:
			info = self.registry.enums[type_name]
			function = self.registry.enum_construct(type_name)
			self.externs.add("UEnum* %s();" % function)
			underlying = UNDERLYING_ALIASES.get(info.get("underlying") or "uint8", info.get("underlying"))
			if underlying not in NUMERIC_PROPERTIES:
				fail(self.path, line, "enum %s has an unsupported underlying type %s" % (type_name, underlying))
			if info.get("form") != "EnumClass" and underlying == "uint8":
				new = "new FByteProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s())" % (owner_expr, name, offset_expr, flags_expr, function)
			else:
				new = "new FEnumProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s())" % (owner_expr, name, offset_expr, flags_expr, function)
				lines.append("FEnumProperty* %s = %s;" % (var, new))
				lines.append("%s->AddCppProperty(new %s(%s, TEXT(\"UnderlyingType\"), RF_Public | RF_Transient | RF_MarkAsNative, 0, CPF_None));" % (var, NUMERIC_PROPERTIES[underlying], var))
				self.add_meta(lines, var, meta)
				return var
		elif type_name in self.registry.delegates:
			info = self.registry.delegates[type_name]
			function = self.registry.delegate_construct(type_name)
			self.externs.add("UFunction* %s();" % function)
			property_class = "FMulticastInlineDelegateProperty" if info.get("multicast") else "FDelegateProperty"
			new = "new %s(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s())" % (property_class, owner_expr, name, offset_expr, flags_expr, function)
		elif type_name in self.registry.structs or type_name in BUILTIN_STRUCTS:
			function = self.registry.struct_construct(type_name)
			self.externs.add("UScriptStruct* %s();" % function)
			new = "new FStructProperty(%s, TEXT(\"%s\"), RF_Public | RF_Transient | RF_MarkAsNative, %s, %s, %s())" % (owner_expr, name, offset_expr, flags_expr, function)
		else:
			fail(self.path, line, "unsupported type '%s' (not a reflected struct, enum, delegate or object type known to this module or its dependencies)" % type_text(tree))
		lines.append("auto* %s = %s;" % (var, new))
		for child in children:
			child_var = self.emit(lines, var, name, child[0], "0", "CPF_None", line)
			lines.append("%s->AddCppProperty(%s);" % (var, child_var))
		self.add_meta(lines, var, meta)
		return var

	def cpp_type(self, tree):
		name, args, pointers = tree
		if name in self.registry.delegates and self.registry.delegates[name].get("owner"):
			name = self.registry.delegates[name]["owner"] + "::" + name
		text = name
		if args:
			text += "<" + ", ".join(self.cpp_type(a) for a in args) + ">"
		return text + "*" * pointers

	def add_meta(self, lines, var, meta):
		for key, value in meta or []:
			lines.append("%s->SetMetaData(TEXT(\"%s\"), TEXT(\"%s\"));" % (var, key, cpp_escape(value)))


def cpp_escape(text):
	return text.replace("\\", "\\\\").replace("\"", "\\\"").replace("\n", "\\n").replace("\r", "").replace("\t", "\\t")


# ------------------------------------------------------------------ specifiers -> flags and metadata

PROPERTY_SPECIFIERS = {
	"editanywhere": ["CPF_Edit"],
	"editinstanceonly": ["CPF_Edit", "CPF_DisableEditOnTemplate"],
	"editdefaultsonly": ["CPF_Edit", "CPF_DisableEditOnInstance"],
	"visibleanywhere": ["CPF_Edit", "CPF_EditConst"],
	"visibleinstanceonly": ["CPF_Edit", "CPF_EditConst", "CPF_DisableEditOnTemplate"],
	"visibledefaultsonly": ["CPF_Edit", "CPF_EditConst", "CPF_DisableEditOnInstance"],
	"blueprintreadwrite": ["CPF_BlueprintVisible"],
	"blueprintreadonly": ["CPF_BlueprintVisible", "CPF_BlueprintReadOnly"],
	"blueprintassignable": ["CPF_BlueprintAssignable"],
	"blueprintcallable": ["CPF_BlueprintCallable"],
	"blueprintauthorityonly": ["CPF_BlueprintAuthorityOnly"],
	"config": ["CPF_Config"],
	"globalconfig": ["CPF_GlobalConfig", "CPF_Config"],
	"transient": ["CPF_Transient"],
	"duplicatetransient": ["CPF_DuplicateTransient"],
	"nonpieduplicatetransient": ["CPF_NonPIEDuplicateTransient"],
	"textexporttransient": ["CPF_TextExportTransient"],
	"savegame": ["CPF_SaveGame"],
	"export": ["CPF_ExportObject"],
	"noclear": ["CPF_NoClear"],
	"editfixedsize": ["CPF_EditFixedSize"],
	"instanced": ["CPF_PersistentInstance", "CPF_ExportObject", "CPF_InstancedReference"],
	"nontransactional": ["CPF_NonTransactional"],
	"advanceddisplay": ["CPF_AdvancedDisplay"],
	"simpledisplay": ["CPF_SimpleDisplay"],
	"interp": ["CPF_Edit", "CPF_BlueprintVisible", "CPF_Interp"],
	"assetregistrysearchable": ["CPF_AssetRegistrySearchable"],
	"skipserialization": ["CPF_SkipSerialization"],
	"replicated": ["CPF_Net"],
	"notreplicated": ["CPF_RepSkip"],
	"exposeonspawn": ["CPF_ExposeOnSpawn"],
}
PROPERTY_META_SPECIFIERS = {"category": "Category", "blueprintgetter": "BlueprintGetter", "blueprintsetter": "BlueprintSetter", "getter": "Getter", "setter": "Setter", "replicatedusing": "ReplicatedUsing"}

FUNCTION_SPECIFIERS = {
	"blueprintcallable": ["FUNC_BlueprintCallable"],
	"blueprintpure": ["FUNC_BlueprintCallable", "FUNC_BlueprintPure"],
	"blueprintimplementableevent": ["FUNC_Event", "FUNC_BlueprintEvent"],
	"blueprintnativeevent": ["FUNC_Event", "FUNC_BlueprintEvent"],
	"exec": ["FUNC_Exec"],
	"blueprintauthorityonly": ["FUNC_BlueprintAuthorityOnly"],
	"blueprintcosmetic": ["FUNC_BlueprintCosmetic"],
	"callineditor": [],
	"sealedevent": [],
	"blueprintinternaluseonly": [],
}
UNSUPPORTED_FUNCTION_SPECIFIERS = {"server", "client", "netmulticast", "reliable", "unreliable", "withvalidation", "serviceRequest".lower(), "serviceresponse", "customthunk"}

CLASS_FLAG_SPECIFIERS = {
	"abstract": ["CLASS_Abstract"],
	"defaultconfig": ["CLASS_DefaultConfig"],
	"globaluserconfig": ["CLASS_GlobalUserConfig"],
	"projectuserconfig": ["CLASS_ProjectUserConfig"],
	"perobjectconfig": ["CLASS_PerObjectConfig"],
	"transient": ["CLASS_Transient"],
	"nontransient": [],
	"minimalapi": ["CLASS_MinimalAPI"],
	"deprecated": ["CLASS_Deprecated"],
	"notplaceable": ["CLASS_NotPlaceable"],
	"placeable": [],
	"editinlinenew": ["CLASS_EditInlineNew"],
	"noteditinlinenew": [],
	"hidedropdown": ["CLASS_HideDropDown"],
	"collapsecategories": ["CLASS_CollapseCategories"],
	"dontcollapsecategories": [],
	"const": ["CLASS_Const"],
	"defaulttoinstanced": ["CLASS_DefaultToInstanced"],
	"optional": ["CLASS_Optional"],
	"customconstructor": ["CLASS_CustomConstructor"],
	"blueprintable": [],
	"notblueprintable": [],
	"blueprinttype": [],
	"notblueprinttype": [],
	"cannotimplementinterfaceinblueprint": [],
	"conversionroot": [],
	"advancedclassdisplay": [],
	"showfunctions": [],
	"experimental": [],
	"earlyaccesspreview": [],
}
CLASS_VALUE_SPECIFIERS = {"config", "classgroup", "hidecategories", "showcategories", "autoexpandcategories", "autocollapsecategories", "hidefunctions", "within", "componentwrapperclass", "prioritizecategories", "sparseclassdatatype"}


def doc_meta(decl_doc):
	if not decl_doc:
		return []
	comment, _ = decl_doc
	tooltip = format_tooltip(comment)
	if not tooltip:
		return []
	return [("Comment", comment.replace("\t", "")), ("ToolTip", tooltip)]


# ------------------------------------------------------------------ generation

class Generator:
	def __init__(self, module, api, output_dir, headers):
		self.module = module
		self.api = api
		self.output_dir = output_dir
		self.headers = headers
		self.registry = TypeRegistry(module)
		self.parsed = []
		self.externs = set()

	def module_relative(self, path):
		normalized = os.path.abspath(path).replace("\\", "/")
		for marker in ("/Public/", "/Classes/", "/Private/"):
			position = normalized.rfind(marker)
			if position != -1:
				module_relative = normalized[position + 1:]
				include = normalized[position + len(marker):]
				return module_relative, include
		return os.path.basename(path), os.path.basename(path)

	def run(self):
		self.registry.load_dependencies(self.output_dir)
		stems = {}
		for path in self.headers:
			stem = os.path.splitext(os.path.basename(path))[0]
			if stem in stems:
				raise ToolError("%s: error: two reflected headers named %s.h in module %s (also %s)" % (path, stem, self.module, stems[stem]))
			stems[stem] = path
			parser = HeaderParser(path)
			parser.parse()
			self.parsed.append(parser)
			for decl in parser.classes:
				self.registry.classes[decl.name] = {"module": self.module, "interface": decl.kind == "interface"}
			for decl in parser.structs:
				self.registry.structs[decl.name] = {"module": self.module}
			for decl in parser.enums:
				self.registry.enums[decl.name] = {"module": self.module, "underlying": decl.underlying, "form": decl.form}
			for decl in parser.delegates:
				self.registry.delegates[decl.name] = {"module": self.module, "multicast": decl.multicast, "owner": decl.owner}
		os.makedirs(self.output_dir, exist_ok=True)
		cpp = []
		for parser in self.parsed:
			header_text, cpp_text = self.generate_header(parser)
			write_if_changed(os.path.join(self.output_dir, os.path.splitext(os.path.basename(parser.path))[0] + ".generated.h"), header_text)
			cpp.append(cpp_text)
		registrations = []
		for parser in self.parsed:
			for decl in parser.enums:
				registrations.append("Z_Construct_UEnum_%s_%s();" % (self.module, decl.name))
			for decl in parser.structs:
				registrations.append("Z_Construct_UScriptStruct_%s();" % decl.name)
			for decl in parser.delegates:
				if not decl.owner:
					registrations.append("%s();" % self.registry.delegate_construct(decl.name))
			for decl in parser.classes:
				registrations.append("Z_Construct_UClass_%s();" % decl.name)
		out = []
		out.append("// Generated by the stand-in's header tool for module %s. Do not edit." % self.module)
		out.append("#include \"UObject/GeneratedCppIncludes.h\"")
		for parser in self.parsed:
			out.append("#include \"%s\"" % os.path.abspath(parser.path).replace("\\", "/"))
		out.append("")
		out.append("#pragma GCC diagnostic ignored \"-Winvalid-offsetof\"")
		out.append("")
		out.append("static UPackage* Z_Construct_UPackage_%s()" % self.module)
		out.append("{")
		out.append("\treturn CreatePackage(TEXT(\"/Script/%s\"));" % self.module)
		out.append("}")
		out.append("")
		out.extend(sorted(self.externs))
		out.append("")
		out.extend(cpp)
		out.append("// Registration when the module's library is loaded, as the engine does for compiled-in types.")
		out.append("namespace")
		out.append("{")
		out.append("\tstruct FRegisterCompiledInTypes_%s" % self.module)
		out.append("\t{")
		out.append("\t\tFRegisterCompiledInTypes_%s()" % self.module)
		out.append("\t\t{")
		for registration in registrations:
			out.append("\t\t\t" + registration)
		out.append("\t\t}")
		out.append("\t} GRegisterCompiledInTypes_%s;" % self.module)
		out.append("}")
		write_if_changed(os.path.join(self.output_dir, self.module + ".gen.cpp"), "\n".join(out) + "\n")
		database = {"module": self.module, "classes": {}, "structs": {}, "enums": {}, "delegates": {}}
		for parser in self.parsed:
			for decl in parser.classes:
				database["classes"][decl.name] = self.registry.classes[decl.name]
			for decl in parser.structs:
				database["structs"][decl.name] = self.registry.structs[decl.name]
			for decl in parser.enums:
				database["enums"][decl.name] = self.registry.enums[decl.name]
			for decl in parser.delegates:
				database["delegates"][decl.name] = self.registry.delegates[decl.name]
		write_if_changed(os.path.join(self.output_dir, self.module + ".reflection.json"), json.dumps(database, indent=1, sort_keys=True) + "\n")

	# -------------------------------------------------------------- per header

	def generate_header(self, parser):
		path = parser.path
		stem = os.path.splitext(os.path.basename(path))[0]
		file_id = "FID_%s_%s_h" % (re.sub(r"\W", "_", self.module), re.sub(r"\W", "_", stem))
		module_relative, include_path = self.module_relative(path)
		guard = "%s_%s_generated_h" % (re.sub(r"\W", "_", self.module), re.sub(r"\W", "_", stem))
		header = []
		header.append("// Generated by the stand-in's header tool from %s. Do not edit." % os.path.basename(path))
		header.append("#ifdef %s" % guard)
		header.append("#error \"%s.generated.h already included, missing '#pragma once' in %s.h\"" % (stem, stem))
		header.append("#endif")
		header.append("#define %s" % guard)
		header.append("")
		header.append("#include \"UObject/ObjectMacros.h\"")
		header.append("#include \"UObject/ScriptMacros.h\"")
		header.append("#include \"UObject/Class.h\"")
		header.append("")
		cpp = []
		emitter = PropertyEmitter(self.registry, path, self.externs)
		bodies = []

		for decl in parser.enums:
			self.generate_enum(decl, parser, header, cpp, module_relative)
		for decl in parser.structs:
			bodies.append((decl.body_line, ["friend struct Z_Construct_UScriptStruct_%s_Statics;" % decl.name, "static class UScriptStruct* StaticStruct();"]))
			self.generate_struct(decl, parser, cpp, emitter, module_relative)
		for decl in parser.delegates:
			self.generate_delegate(decl, parser, cpp, emitter, module_relative)
		for decl in parser.classes:
			self.generate_class(decl, parser, cpp, emitter, bodies, module_relative, include_path)

		header.append("#undef CURRENT_FILE_ID")
		header.append("#define CURRENT_FILE_ID %s" % file_id)
		header.append("")
		for line, body in bodies:
			header.append("#define %s_%d_GENERATED_BODY \\" % (file_id, line))
			for entry in body:
				header.append("\t%s \\" % entry)
			header.append("")
			header.append("#define %s_%d_GENERATED_BODY_LEGACY %s_%d_GENERATED_BODY" % (file_id, line, file_id, line))
			header.append("")
		return "\n".join(header) + "\n", "\n".join(cpp) + "\n"

	def meta_for(self, specifiers, path, line, value_meta):
		result = []
		for key, value in specifiers:
			lower = key.lower()
			if lower == "meta":
				result.extend(meta_pairs(path, line, value))
			elif lower in value_meta:
				result.append((value_meta[lower], group_text(value) if value is not None else ""))
		return result

	def generate_enum(self, decl, parser, header, cpp, module_relative):
		meta = doc_meta(decl.doc)
		for key, value in decl.specifiers:
			lower = key.lower()
			if lower == "blueprinttype":
				meta.append(("BlueprintType", "true"))
			elif lower == "meta":
				meta.extend(meta_pairs(parser.path, decl.line, value))
			elif lower == "flags":
				meta.append(("Bitflags", ""))
			else:
				fail(parser.path, decl.line, "unknown UENUM specifier '%s'" % key)
		meta.append(("ModuleRelativePath", module_relative))
		function = "Z_Construct_UEnum_%s_%s" % (self.module, decl.name)
		if decl.form == "EnumClass" or (decl.form == "Regular" and decl.underlying):
			header.append("enum %s%s : %s;" % ("class " if decl.form == "EnumClass" else "", decl.name, decl.underlying))
			header.append("template <> %s UEnum* StaticEnum<%s>();" % (self.api, decl.name))
			header.append("")
		cpp.append("UEnum* %s()" % function)
		cpp.append("{")
		cpp.append("\tstatic UEnum* Enum = nullptr;")
		cpp.append("\tif (!Enum)")
		cpp.append("\t{")
		cpp.append("\t\tEnum = NewObject<UEnum>(Z_Construct_UPackage_%s(), UEnum::StaticClass(), FName(TEXT(\"%s\")), RF_Public | RF_Transient | RF_MarkAsNative);" % (self.module, decl.name))
		cpp.append("\t\tTArray<TPair<FName, int64>> Names;")
		for name, _, _ in decl.values:
			qualified = name if decl.form == "Regular" else "%s::%s" % (decl.name, name)
			cpp.append("\t\tNames.Add(TPair<FName, int64>(FName(TEXT(\"%s\")), (int64)%s));" % (qualified, qualified))
		cpp.append("\t\tEnum->SetEnums(Names, UEnum::ECppForm::%s);" % decl.form)
		cpp.append("\t\tEnum->CppType = TEXT(\"%s\");" % decl.name)
		for key, value in meta:
			cpp.append("\t\tEnum->SetMetaData(TEXT(\"%s\"), TEXT(\"%s\"));" % (key, cpp_escape(value)))
		for index, (name, value_meta, doc) in enumerate(decl.values):
			entries = list(value_meta)
			if doc:
				tooltip = format_tooltip(doc[0])
				if tooltip:
					entries.append(("ToolTip", tooltip))
			for key, value in entries:
				cpp.append("\t\tEnum->SetMetaData(TEXT(\"%s\"), TEXT(\"%s\"), %d);" % (key, cpp_escape(value), index))
		cpp.append("\t}")
		cpp.append("\treturn Enum;")
		cpp.append("}")
		if decl.form == "EnumClass" or (decl.form == "Regular" and decl.underlying):
			cpp.append("template <> UEnum* StaticEnum<%s>()" % decl.name)
			cpp.append("{")
			cpp.append("\treturn %s();" % function)
			cpp.append("}")
		cpp.append("")

	def property_flags(self, prop, path, extra=None):
		flags = list(extra or [])
		meta = doc_meta(prop.doc)
		for key, value in prop.specifiers:
			lower = key.lower()
			if lower in PROPERTY_SPECIFIERS:
				flags.extend(PROPERTY_SPECIFIERS[lower])
				if lower == "instanced":
					meta.append(("EditInline", "true"))
			elif lower in PROPERTY_META_SPECIFIERS:
				meta.append((PROPERTY_META_SPECIFIERS[lower], group_text(value) if value is not None else ""))
				if lower == "replicatedusing":
					flags.extend(["CPF_Net", "CPF_RepNotify"])
			elif lower == "meta":
				meta.extend(meta_pairs(path, prop.line, value))
			else:
				fail(path, prop.line, "unknown UPROPERTY specifier '%s'" % key)
		flags.append({"public": "CPF_NativeAccessSpecifierPublic", "protected": "CPF_NativeAccessSpecifierProtected", "private": "CPF_NativeAccessSpecifierPrivate"}[prop.access])
		return flags, meta

	@staticmethod
	def flags_expr(flags, type_name="EPropertyFlags", none="CPF_None"):
		unique = []
		for flag in flags:
			if flag not in unique:
				unique.append(flag)
		if not unique:
			return none
		return "(%s)(%s)" % (type_name, " | ".join("(uint64)%s" % f if type_name == "EPropertyFlags" else "(uint32)%s" % f for f in unique))

	def emit_member_properties(self, lines, decl, owner_var, container, statics, parser, emitter, module_relative):
		for prop in decl.properties:
			flags, meta = self.property_flags(prop, parser.path)
			meta.append(("ModuleRelativePath", module_relative))
			tree = parse_type_tree(prop.type.value_tokens, parser.path, prop.line)
			bitfield = None
			offset = "STRUCT_OFFSET(%s, %s)" % (container, prop.name)
			if prop.bitfield:
				if tree[0] not in ("uint8", "uint16", "uint32", "uint64", "bool") or tree[2]:
					fail(parser.path, prop.line, "bitfield %s must be an unsigned integer or bool" % prop.name)
				# The setter runs on a zeroed buffer, never on a constructed object, to find the bit the compiler
				# chose; the vptr check would report that buffer as not being of the class, so it is left out here only.
				statics.append("\t__attribute__((no_sanitize(\"vptr\"))) static void NewProp_%s_SetBit(void* Obj)" % prop.name)
				statics.append("\t{")
				statics.append("\t\t((%s*)Obj)->%s = 1;" % (container, prop.name))
				statics.append("\t}")
				bitfield = ("&NewProp_%s_SetBit" % prop.name, container)
				offset = "0"
			elif tree[0] == "bool" and not tree[2]:
				pass
			statements = []
			var = emitter.emit(statements, owner_var, prop.name, tree, offset, self.flags_expr(flags), prop.line, bitfield, meta)
			lines.append("\t{")
			for statement in statements:
				lines.append("\t\t" + statement)
			lines.append("\t\t%s->AddCppProperty(%s);" % (owner_var, var))
			lines.append("\t}")

	def generate_struct(self, decl, parser, cpp, emitter, module_relative):
		statics = []
		build = []
		meta = doc_meta(decl.doc)
		struct_flags = []
		for key, value in decl.specifiers:
			lower = key.lower()
			if lower == "blueprinttype":
				meta.append(("BlueprintType", "true"))
			elif lower == "meta":
				meta.extend(meta_pairs(parser.path, decl.line, value))
			elif lower == "atomic":
				struct_flags.append("STRUCT_Atomic")
			elif lower == "immutable":
				struct_flags.append("STRUCT_Immutable | STRUCT_Atomic")
			elif lower == "noexport":
				fail(parser.path, decl.line, "noexport structs are registered by hand in the stand-in")
			else:
				fail(parser.path, decl.line, "unknown USTRUCT specifier '%s'" % key)
		meta.append(("ModuleRelativePath", module_relative))
		for function in decl.functions:
			fail(parser.path, function.line, "UFUNCTION in struct %s: structs cannot have reflected functions" % decl.name)
		self.emit_member_properties(build, decl, "Struct", decl.name, statics, parser, emitter, module_relative)
		statics_name = "Z_Construct_UScriptStruct_%s_Statics" % decl.name
		cpp.append("struct %s" % statics_name)
		cpp.append("{")
		cpp.extend(statics)
		cpp.append("\tstatic void Build(UScriptStruct* Struct);")
		cpp.append("};")
		cpp.append("void %s::Build(UScriptStruct* Struct)" % statics_name)
		cpp.append("{")
		for key, value in meta:
			cpp.append("\tStruct->SetMetaData(TEXT(\"%s\"), TEXT(\"%s\"));" % (key, cpp_escape(value)))
		cpp.extend(build)
		cpp.append("}")
		function = "Z_Construct_UScriptStruct_%s" % decl.name
		cpp.append("UScriptStruct* %s()" % function)
		cpp.append("{")
		cpp.append("\tstatic UScriptStruct* Struct = nullptr;")
		cpp.append("\tif (!Struct)")
		cpp.append("\t{")
		cpp.append("\t\tStruct = NewObject<UScriptStruct>(Z_Construct_UPackage_%s(), UScriptStruct::StaticClass(), FName(TEXT(\"%s\")), RF_Public | RF_Transient | RF_MarkAsNative);" % (self.module, decl.name[1:]))
		cpp.append("\t\tStruct->SetCppStructOps(new UScriptStruct::TCppStructOps<%s>());" % decl.name)
		if struct_flags:
			cpp.append("\t\tStruct->StructFlags = (EStructFlags)(Struct->StructFlags | %s);" % " | ".join(struct_flags))
		if decl.super_name:
			if decl.super_name not in self.registry.structs and decl.super_name not in BUILTIN_STRUCTS:
				fail(parser.path, decl.line, "base %s of struct %s is not a reflected struct" % (decl.super_name, decl.name))
			self.externs.add("UScriptStruct* Z_Construct_UScriptStruct_%s();" % decl.super_name)
			cpp.append("\t\tStruct->SetSuperStruct(Z_Construct_UScriptStruct_%s());" % decl.super_name)
		cpp.append("\t\t%s::Build(Struct);" % statics_name)
		cpp.append("\t}")
		cpp.append("\treturn Struct;")
		cpp.append("}")
		cpp.append("UScriptStruct* %s::StaticStruct()" % decl.name)
		cpp.append("{")
		cpp.append("\treturn %s();" % function)
		cpp.append("}")
		cpp.append("")

	def param_flags(self, param):
		flags = ["CPF_Parm"]
		if param.type.is_ref and not param.type.is_const:
			flags.append("CPF_OutParm")
			if "ref" in param.param_flags:
				flags.append("CPF_ReferenceParm")
		elif param.type.is_const:
			flags.append("CPF_ConstParm")
		return flags

	def emit_function_parms(self, lines, owner_var, parms_name, params, return_type, parser, emitter, line, meta):
		"""Parameter properties of a function or delegate signature, in declaration order."""
		for param in params:
			tree = parse_type_tree(param.type.value_tokens, parser.path, line)
			statements = []
			param_meta = list(param.param_meta)
			var = emitter.emit(statements, owner_var, param.name, tree, "STRUCT_OFFSET(%s, %s)" % (parms_name, param.name), self.flags_expr(self.param_flags(param)), line, None, param_meta)
			lines.append("\t\t{")
			for statement in statements:
				lines.append("\t\t\t" + statement)
			lines.append("\t\t\t%s->AddCppProperty(%s);" % (owner_var, var))
			lines.append("\t\t}")
			if param.default is not None:
				meta.append(("CPP_Default_%s" % param.name, param.default))
		if return_type is not None:
			tree = parse_type_tree(return_type.value_tokens, parser.path, line)
			statements = []
			var = emitter.emit(statements, owner_var, "ReturnValue", tree, "STRUCT_OFFSET(%s, ReturnValue)" % parms_name, self.flags_expr(["CPF_Parm", "CPF_OutParm", "CPF_ReturnParm"]), line)
			lines.append("\t\t{")
			for statement in statements:
				lines.append("\t\t\t" + statement)
			lines.append("\t\t\t%s->AddCppProperty(%s);" % (owner_var, var))
			lines.append("\t\t}")

	def parms_members(self, params, return_type, emitter):
		members = []
		for param in params:
			members.append("%s %s;" % (self.member_type(param.type), param.name))
		if return_type is not None:
			members.append("%s ReturnValue;" % self.member_type(return_type))
		return members

	def member_type(self, type_info):
		tokens = list(type_info.value_tokens)
		if tokens and tokens[0] in self.registry.delegates and self.registry.delegates[tokens[0]].get("owner"):
			tokens[0] = self.registry.delegates[tokens[0]]["owner"] + "::" + tokens[0]
		return join_type(tokens)

	def generate_delegate(self, decl, parser, cpp, emitter, module_relative):
		scope = decl.owner if decl.owner else self.module
		function = "Z_Construct_UDelegateFunction_%s_%s__DelegateSignature" % (scope, decl.name[1:])
		cpp_type = "%s::%s" % (decl.owner, decl.name) if decl.owner else decl.name
		return_type = decl.return_type if decl.return_type and decl.return_type.value_text != "void" else None
		outer = "%s::StaticClass()" % decl.owner if decl.owner else "Z_Construct_UPackage_%s()" % self.module
		flags = ["FUNC_Public", "FUNC_Delegate"] + (["FUNC_MulticastDelegate"] if decl.multicast else [])
		meta = doc_meta(decl.doc) + [("ModuleRelativePath", module_relative)]
		cpp.append("UFunction* %s()" % function)
		cpp.append("{")
		cpp.append("\tstatic UFunction* Function = nullptr;")
		cpp.append("\tif (!Function)")
		cpp.append("\t{")
		has_parms = bool(decl.params) or return_type is not None
		# A delegate without parameters has no parameter block to measure.
		if has_parms:
			cpp.append("\t\ttypedef %s::FParms ParmsType;" % cpp_type)
		cpp.append("\t\tFunction = NewObject<UDelegateFunction>(%s, UDelegateFunction::StaticClass(), FName(TEXT(\"%s__DelegateSignature\")), RF_Public | RF_Transient | RF_MarkAsNative);" % (outer, decl.name[1:]))
		cpp.append("\t\tFunction->FunctionFlags = %s;" % self.flags_expr(flags, "EFunctionFlags", "FUNC_None"))
		lines = []
		self.emit_function_parms(lines, "Function", "ParmsType", decl.params, return_type, parser, emitter, decl.line, meta)
		cpp.extend(lines)
		cpp.append("\t\tFunction->FinalizeParms(%s);" % ("(int32)sizeof(ParmsType)" if has_parms else "0"))
		for key, value in meta:
			cpp.append("\t\tFunction->SetMetaData(TEXT(\"%s\"), TEXT(\"%s\"));" % (key, cpp_escape(value)))
		cpp.append("\t}")
		cpp.append("\treturn Function;")
		cpp.append("}")
		cpp.append("")
		self.externs.add("UFunction* %s();" % function)

	def function_flags(self, func, path, is_interface):
		flags = []
		meta = doc_meta(func.doc)
		event = None
		for key, value in func.specifiers:
			lower = key.lower()
			if lower in UNSUPPORTED_FUNCTION_SPECIFIERS:
				fail(path, func.line, "UFUNCTION specifier '%s' is not supported by the stand-in" % key)
			if lower == "blueprintpure" and value is not None and str(value).lower() == "false":
				continue
			if lower in FUNCTION_SPECIFIERS:
				flags.extend(FUNCTION_SPECIFIERS[lower])
				if lower == "callineditor":
					meta.append(("CallInEditor", "true"))
				elif lower == "blueprintinternaluseonly":
					meta.append(("BlueprintInternalUseOnly", "true"))
				if lower in ("blueprintimplementableevent", "blueprintnativeevent"):
					if event:
						fail(path, func.line, "a function is either BlueprintImplementableEvent or BlueprintNativeEvent")
					event = "implementable" if lower == "blueprintimplementableevent" else "native"
			elif lower == "category":
				meta.append(("Category", group_text(value) if value is not None else ""))
			elif lower == "meta":
				meta.extend(meta_pairs(path, func.line, value))
			elif lower in ("blueprintgetter", "blueprintsetter"):
				flags.extend(["FUNC_BlueprintCallable", "FUNC_BlueprintPure"] if lower == "blueprintgetter" else ["FUNC_BlueprintCallable"])
			else:
				fail(path, func.line, "unknown UFUNCTION specifier '%s'" % key)
		if event != "implementable":
			flags.append("FUNC_Native")
		if func.is_static:
			flags.append("FUNC_Static")
		if func.is_static or (not func.is_virtual and not event):
			flags.append("FUNC_Final")
		if func.is_const:
			flags.append("FUNC_Const")
		flags.append({"public": "FUNC_Public", "protected": "FUNC_Protected", "private": "FUNC_Private"}[func.access])
		if any(p.default is not None for p in func.params):
			flags.append("FUNC_HasDefaults")
		if event and func.is_static:
			fail(path, func.line, "events cannot be static")
		return flags, meta, event

	def generate_class(self, decl, parser, cpp, emitter, bodies, module_relative, include_path):
		path = parser.path
		is_interface = decl.kind == "interface"
		native = decl.native_interface
		short = decl.name[1:]
		statics_name = "Z_Construct_UClass_%s_Statics" % decl.name
		class_flags = ["CLASS_Abstract", "CLASS_Interface"] if is_interface else []
		config_name = None
		meta = doc_meta(decl.doc)
		meta.append(("IncludePath", include_path))
		meta.append(("ModuleRelativePath", module_relative))
		for key, value in decl.specifiers:
			lower = key.lower()
			if lower == "meta":
				meta.extend(meta_pairs(path, decl.line, value))
			elif lower == "config":
				if value is None or isinstance(value, list):
					fail(path, decl.line, "config needs a name (config=Game)")
				class_flags.append("CLASS_Config")
				config_name = value
			elif lower in CLASS_FLAG_SPECIFIERS:
				class_flags.extend(CLASS_FLAG_SPECIFIERS[lower])
				if lower == "blueprintable":
					meta.append(("IsBlueprintBase", "true"))
					meta.append(("BlueprintType", "true"))
				elif lower == "notblueprintable":
					meta.append(("IsBlueprintBase", "false"))
				elif lower == "blueprinttype":
					meta.append(("BlueprintType", "true"))
				elif lower == "notblueprinttype":
					meta.append(("NotBlueprintType", "true"))
				elif lower == "cannotimplementinterfaceinblueprint":
					meta.append(("CannotImplementInterfaceInBlueprint", ""))
			elif lower in CLASS_VALUE_SPECIFIERS:
				text = group_text(value) if value is not None else ""
				if lower == "classgroup":
					meta.append(("ClassGroupNames", text))
				elif lower in ("hidecategories", "showcategories", "autoexpandcategories", "autocollapsecategories", "hidefunctions", "prioritizecategories"):
					meta.append(({"hidecategories": "HideCategories", "showcategories": "ShowCategories", "autoexpandcategories": "AutoExpandCategories", "autocollapsecategories": "AutoCollapseCategories", "hidefunctions": "HideFunctions", "prioritizecategories": "PrioritizeCategories"}[lower], text))
			else:
				fail(path, decl.line, "unknown %s specifier '%s'" % ("UINTERFACE" if is_interface else "UCLASS", key))
		if is_interface and decl.super_name not in ("UInterface",) and not (decl.super_name in self.registry.classes and self.registry.classes[decl.super_name].get("interface")):
			fail(path, decl.line, "UINTERFACE %s must derive from UInterface or another interface" % decl.name)
		if is_interface and native is None:
			fail(path, decl.line, "UINTERFACE %s has no native interface class I%s" % (decl.name, short))
		if is_interface and decl.functions:
			fail(path, decl.functions[0].line, "declare interface functions in I%s, not in %s" % (short, decl.name))
		functions = native.functions if is_interface else decl.functions
		native_owner = native.name if is_interface else decl.name

		# Interfaces listed as bases: "public IFoo" where UFoo is a reflected interface.
		interfaces = []
		for base in decl.bases[1:]:
			if base.startswith("I") and (("U" + base[1:]) in self.registry.classes and self.registry.classes["U" + base[1:]].get("interface")):
				interfaces.append(base)

		statics = []
		build = []
		thunks = []
		body = ["public:"]
		super_name = decl.super_name
		body.append("DECLARE_CLASS(%s, %s, COMPILED_IN_FLAGS(0%s), CASTCLASS_None, TEXT(\"/Script/%s\"), %s)" % (decl.name, super_name, "".join(" | " + f for f in dict.fromkeys(class_flags)), self.module, self.api))
		body.append("friend struct %s;" % statics_name)
		native_body = []
		if is_interface:
			native_body.append("protected:")
			native_body.append("virtual ~%s() {}" % native.name)
			native_body.append("public:")
			native_body.append("typedef %s UClassType;" % decl.name)
			native_body.append("typedef %s ThisClass;" % native.name)
			native_body.append("virtual UObject* _getUObject() const { checkf(false, TEXT(\"Missing required implementation.\")); return nullptr; }")

		owner_body = native_body if is_interface else body
		for func in functions:
			flags, func_meta, event = self.function_flags(func, path, is_interface)
			func_meta.append(("ModuleRelativePath", module_relative))
			return_type = func.return_type if func.return_type.value_text != "void" else None
			parms_name = "%s_event%s_Parms" % (short, func.name)
			members = self.parms_members(func.params, return_type, emitter)
			if members:
				statics.append("\tstruct %s" % parms_name)
				statics.append("\t{")
				for member in members:
					statics.append("\t\t" + member)
				statics.append("\t};")
			qualified_parms = "%s::%s" % (statics_name, parms_name)
			declared_params = ", ".join("%s %s" % (p.type.full_text, p.name) for p in func.params)
			const_suffix = " const" if func.is_const else ""
			return_text = func.return_type.full_text
			arguments = ", ".join("Parms.%s" % p.name for p in func.params)
			is_native = event != "implementable"
			implementation = func.name + "_Implementation" if event == "native" else func.name
			if event == "native" and implementation not in (native.declared_names if is_interface else decl.declared_names):
				owner_body.append("virtual %s %s(%s)%s;" % (return_text, implementation, declared_params, const_suffix))
				thunks.append("%s %s::%s(%s)%s" % (return_text, native_owner, implementation, declared_params, const_suffix))
				thunks.append("{")
				if return_type is not None:
					thunks.append("\treturn {};")
				thunks.append("}")
			if is_native:
				owner_body.append("DECLARE_FUNCTION(exec%s);" % func.name)
				thunks.append("DEFINE_FUNCTION(%s::exec%s)" % (native_owner, func.name))
				thunks.append("{")
				if members:
					thunks.append("\t%s& Parms = *(%s*)Stack.Locals;" % (qualified_parms, qualified_parms))
				assign = "Parms.ReturnValue = " if return_type is not None else ""
				if func.is_static:
					thunks.append("\t%s%s::%s(%s);" % (assign, native_owner, implementation, arguments))
				elif is_interface:
					thunks.append("\t%s* Self = (%s*)Context->GetNativeInterfaceAddress(%s::StaticClass());" % (native.name, native.name, decl.name))
					thunks.append("\tif (!Self)")
					thunks.append("\t{")
					thunks.append("\t\treturn;")
					thunks.append("\t}")
					thunks.append("\t%sSelf->%s(%s);" % (assign, implementation, arguments))
				else:
					thunks.append("\t%s((%s*)Context)->%s(%s);" % (assign, decl.name, implementation, arguments))
				thunks.append("}")
			if event:
				# The event's own body (classes) or a guard (interfaces: callers use Execute_).
				fill = ["\tParms.%s = %s;" % (p.name, p.name) for p in func.params]
				copy_back = ["\t%s = Parms.%s;" % (p.name, p.name) for p in func.params if p.type.is_ref and not p.type.is_const]
				if is_interface:
					thunks.append("%s %s::%s(%s)%s" % (return_text, native.name, func.name, declared_params, const_suffix))
					thunks.append("{")
					thunks.append("\tcheckf(false, TEXT(\"Do not directly call Event functions in Interfaces. Call Execute_%s instead.\"));" % func.name)
					if return_type is not None:
						thunks.append("\treturn {};")
					thunks.append("}")
					object_type = "const UObject*" if func.is_const else "UObject*"
					native_body.append("static %s Execute_%s(%s O%s);" % (return_text, func.name, object_type, ", " + declared_params if declared_params else ""))
					thunks.append("%s %s::Execute_%s(%s O%s)" % (return_text, native.name, func.name, object_type, ", " + declared_params if declared_params else ""))
					thunks.append("{")
					thunks.append("\tcheck(O != nullptr);")
					thunks.append("\tcheck(O->GetClass()->ImplementsInterface(%s::StaticClass()));" % decl.name)
					if members:
						thunks.append("\t%s Parms{};" % qualified_parms)
						thunks.extend(fill)
					thunks.append("\tif (UFunction* const Function = O->FindFunction(FName(TEXT(\"%s\"))))" % func.name)
					thunks.append("\t{")
					thunks.append("\t\tconst_cast<UObject*>(O)->ProcessEvent(Function, %s);" % ("&Parms" if members else "nullptr"))
					for statement in copy_back:
						thunks.append("\t" + statement)
					thunks.append("\t}")
					if return_type is not None:
						thunks.append("\treturn Parms.ReturnValue;")
					thunks.append("}")
				else:
					thunks.append("%s %s::%s(%s)%s" % (return_text, decl.name, func.name, declared_params, const_suffix))
					thunks.append("{")
					if members:
						thunks.append("\t%s Parms{};" % qualified_parms)
						thunks.extend(fill)
					thunks.append("\tconst_cast<%s*>(this)->ProcessEvent(FindFunctionChecked(FName(TEXT(\"%s\"))), %s);" % (decl.name, func.name, "&Parms" if members else "nullptr"))
					thunks.extend(copy_back)
					if return_type is not None:
						thunks.append("\treturn Parms.ReturnValue;")
					thunks.append("}")
			build.append("\t{")
			build.append("\t\tUFunction* Function = NewObject<UFunction>(Class, UFunction::StaticClass(), FName(TEXT(\"%s\")), RF_Public | RF_Transient | RF_MarkAsNative);" % func.name)
			build.append("\t\tFunction->FunctionFlags = %s;" % self.flags_expr(flags, "EFunctionFlags", "FUNC_None"))
			self.emit_function_parms(build, "Function", parms_name, func.params, return_type, parser, emitter, func.line, func_meta)
			build.append("\t\tFunction->FinalizeParms(%s);" % ("(int32)sizeof(%s)" % parms_name if members else "0"))
			if is_native:
				build.append("\t\tFunction->SetNativeFunc(&%s::exec%s);" % (native_owner, func.name))
			for key, value in func_meta:
				build.append("\t\tFunction->SetMetaData(TEXT(\"%s\"), TEXT(\"%s\"));" % (key, cpp_escape(value)))
			build.append("\t\tClass->AddChild(Function);")
			build.append("\t\tClass->AddFunctionToFunctionMap(Function, Function->GetFName());")
			build.append("\t}")

		if not is_interface:
			self.emit_member_properties(build, decl, "Class", decl.name, statics, parser, emitter, module_relative)
		elif decl.properties:
			fail(path, decl.properties[0].line, "interfaces cannot have reflected properties")
		for interface in interfaces:
			function = self.registry.class_construct("U" + interface[1:])
			self.externs.add("UClass* %s();" % function)
			# VTABLE_OFFSET finds the interface by casting a made-up address (1) that is no object; the alignment and
			# vptr checks would report that cast, so they are left out of this one function.
			statics.append("\t__attribute__((no_sanitize(\"alignment\"))) __attribute__((no_sanitize(\"vptr\"))) static int32 InterfaceOffset_%s()" % interface)
			statics.append("\t{")
			statics.append("\t\treturn (int32)VTABLE_OFFSET(%s, %s);" % (decl.name, interface))
			statics.append("\t}")
			build.append("\tClass->Interfaces.Add(FImplementedInterface(%s(), InterfaceOffset_%s(), false));" % (function, interface))
		if interfaces:
			body.append("virtual UObject* _getUObject() const override { return const_cast<%s*>(this); }" % decl.name)

		# Construction, as the engine's generated constructors.
		legacy = decl.body_macro in ("GENERATED_UCLASS_BODY", "GENERATED_UINTERFACE_BODY", "GENERATED_BODY_LEGACY")
		if decl.ctor_kind == "initializer":
			body.append("DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(%s)" % decl.name)
		elif decl.ctor_kind == "default":
			body.append("DEFINE_DEFAULT_CONSTRUCTOR_CALL(%s)" % decl.name)
		elif decl.ctor_kind == "other":
			fail(path, decl.line, "%s needs a default constructor or one taking const FObjectInitializer&" % decl.name)
		elif legacy:
			body.append("%s(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());" % decl.name)
			body.append("DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(%s)" % decl.name)
		else:
			body.append("%s(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get()) : Super(ObjectInitializer) {}" % decl.name)
			body.append("DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(%s)" % decl.name)
		body.append("public:" if legacy else "private:")
		bodies.append((decl.body_line, body))
		if is_interface:
			native_body.append("public:")
			bodies.append((native.body_line, native_body))

		cpp.append("UClass* Z_Construct_UClass_%s_NoRegister()" % decl.name)
		cpp.append("{")
		cpp.append("\treturn %s::StaticClass();" % decl.name)
		cpp.append("}")
		cpp.append("IMPLEMENT_CLASS_WITH_CONFIG(%s, TEXT(\"%s\"))" % (decl.name, cpp_escape(config_name or "")))
		cpp.append("struct %s" % statics_name)
		cpp.append("{")
		cpp.extend(statics)
		cpp.append("\tstatic void Build(UClass* Class);")
		cpp.append("};")
		cpp.extend(thunks)
		cpp.append("void %s::Build(UClass* Class)" % statics_name)
		cpp.append("{")
		for key, value in meta:
			cpp.append("\tClass->SetMetaData(TEXT(\"%s\"), TEXT(\"%s\"));" % (key, cpp_escape(value)))
		cpp.extend(build)
		cpp.append("}")
		cpp.append("UClass* Z_Construct_UClass_%s()" % decl.name)
		cpp.append("{")
		cpp.append("\tstatic UClass* Class = nullptr;")
		cpp.append("\tif (!Class)")
		cpp.append("\t{")
		cpp.append("\t\tClass = %s::StaticClass();" % decl.name)
		cpp.append("\t\t%s::Build(Class);" % statics_name)
		cpp.append("\t}")
		cpp.append("\treturn Class;")
		cpp.append("}")
		cpp.append("")
		for delegate in decl.delegates:
			pass


def write_if_changed(path, text):
	try:
		with open(path, encoding="utf-8") as handle:
			if handle.read() == text:
				return
	except OSError:
		pass
	with open(path, "w", encoding="utf-8") as handle:
		handle.write(text)


def main(argv):
	parser = argparse.ArgumentParser(description="Reflection code generator of the engine stand-in")
	parser.add_argument("--module", required=True)
	parser.add_argument("--api", required=True)
	parser.add_argument("--output-dir", required=True)
	parser.add_argument("headers", nargs="+")
	args = parser.parse_args(argv)
	try:
		Generator(args.module, args.api, args.output_dir, args.headers).run()
	except ToolError as error:
		print(str(error), file=sys.stderr)
		return 1
	return 0


if __name__ == "__main__":
	sys.exit(main(sys.argv[1:]))

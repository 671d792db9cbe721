#!/usr/bin/perl
# Makes the web page one self-contained file: the template with the style,
# the WebAssembly module (in base64), the script that runs it and the page's
# script inlined, and a Content-Security-Policy that allows exactly those
# inline parts (by their SHA-256) and no connection to anywhere. The page's
# scripts (its texts, its helpers, the page itself) become one script, in
# the order given.
#   assemble_page.pl TEMPLATE STYLE WASM MODULE_SCRIPT PAGE_SCRIPT... > PAGE
use strict;
use warnings;
use Digest::SHA qw(sha256_base64);
use MIME::Base64 qw(encode_base64);

sub slurp {
  my ($path) = @_;
  open(my $file, '<:raw', $path) or die "$path: $!\n";
  local $/;
  my $bytes = <$file>;
  return $bytes;
}

# Base64 digests come unpadded from Digest::SHA; a policy wants them padded.
sub hash_source {
  my $digest = sha256_base64($_[0]);
  $digest .= '=' while length($digest) % 4;
  return "'sha256-$digest'";
}

# A browser reads the page's text with every CR LF (and lone CR) as LF, and
# hashes the inline parts as it read them: so they are inlined that way too,
# whatever line ends a checkout gave the files.
sub text_lines {
  my ($text) = @_;
  $text =~ s/\r\n?/\n/g;
  return $text;
}

die "usage: assemble_page.pl TEMPLATE STYLE WASM MODULE_SCRIPT PAGE_SCRIPT...\n" if @ARGV < 5;
my ($template, $style, $wasm, $module, @pages) = map { slurp($_) } @ARGV;
my $page = join("\n", @pages);
($template, $style, $module, $page) = map { text_lines($_) } $template, $style, $module, $page;
my $binary = 'const qdconvWasm = "' . encode_base64($wasm, '') . '";';
for ([$style, '</style'], [$module, '</script'], [$page, '</script']) {
  die "an inlined part holds $_->[1]\n" if index(lc $_->[0], $_->[1]) >= 0;
}
my %parts = (
  STYLE => $style,
  WASM => $binary,
  MODULE => $module,
  PAGE => $page,
  STYLE_HASH => hash_source($style),
  SCRIPT_HASHES => join(' ', map { hash_source($_) } $binary, $module, $page),
);
$template =~ s/@(STYLE|WASM|MODULE|PAGE|STYLE_HASH|SCRIPT_HASHES)@/$parts{$1}/g;
binmode STDOUT;
print $template;
